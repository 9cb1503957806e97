// The skin component: which windows and controls the skin draws, and the skin
// itself. A form's layout sets it up; code never touches it.
#pragma once

#include "Component.h"
#include "Skin.h"

#include <QByteArray>
#include <QStringList>

class QDialog;
class TControl;
class TForm;

class TSkinData : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(bool Active MEMBER active_)
    Q_PROPERTY(int DisableTag MEMBER disableTag_)
    Q_PROPERTY(TSkinControls SkinControls READ SkinControls WRITE SetSkinControls)
    Q_PROPERTY(TSkinFormType SkinFormtype MEMBER skinFormType_)
    Q_PROPERTY(bool MenuUpdate MEMBER menuUpdate_)
    // A status text kept for the designer; writing it changes nothing.
    Q_PROPERTY(QString SkinStore MEMBER skinStore_)
    Q_PROPERTY(QString SkinFile MEMBER skinFile_)
    // Other makers' control classes and the kind of control each is skinned as,
    // one "ClassName=kind" a line.
    Q_PROPERTY(QStringList Skin3rd MEMBER skin3rd_)
    // The skin: a 4-byte little-endian length, then the skin (see Skin.h).
    Q_PROPERTY(QByteArray SkinStream READ SkinStream WRITE SetSkinStream)
public:
    enum TSkinControl {
        xcMainMenu = 1 << 0,
        xcPopupMenu = 1 << 1,
        xcToolbar = 1 << 2,
        xcControlbar = 1 << 3,
        xcCombo = 1 << 4,
        xcCheckBox = 1 << 5,
        xcRadioButton = 1 << 6,
        xcProgress = 1 << 7,
        xcScrollbar = 1 << 8,
        xcEdit = 1 << 9,
        xcButton = 1 << 10,
        xcBitBtn = 1 << 11,
        xcSpeedButton = 1 << 12,
        xcPanel = 1 << 13,
        xcGroupBox = 1 << 14,
        xcStatusBar = 1 << 15,
        xcTab = 1 << 16,
        xcSystemMenu = 1 << 17,
        xcFastReport = 1 << 18,
    };
    Q_DECLARE_FLAGS(TSkinControls, TSkinControl)
    Q_FLAG(TSkinControls)

    enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog };
    Q_ENUM(TSkinFormType)

    explicit TSkinData(TComponent *owner) : TComponent(owner) {}
    ~TSkinData() override;

    bool Active() const { return active_; }
    int DisableTag() const { return disableTag_; }
    TSkinControls SkinControls() const { return skinControls_; }
    void SetSkinControls(TSkinControls controls) { skinControls_ = controls; }
    TSkinFormType SkinFormtype() const { return skinFormType_; }
    bool MenuUpdate() const { return menuUpdate_; }
    QStringList Skin3rd() const { return skin3rd_; }
    QByteArray SkinStream() const { return stream_; }
    void SetSkinStream(const QByteArray &stream) { stream_ = stream; }

    // Reads the skin; an active component whose stream is truncated or corrupt
    // raises EReadError, which fails the layout that holds it.
    void Loaded() override;

    // The skin component in force for the program, if any.
    static TSkinData *Current();
    const TSkin &Skin() const { return skin_; }

    // Which windows it dresses: all of the program's (sfMainform), only its own
    // form (sfOnlyThisForm), or its own form and the program's dialogs (sfDialog);
    // never one whose Tag is DisableTag.
    bool CoversForm(const TForm *form) const;
    bool CoversDialogs() const;
    // Whether a control's kind is among SkinControls (other makers' classes by
    // Skin3rd), and its Tag is not DisableTag.
    bool CoversControl(const TControl *control) const;
    // The kind of control a class is skinned as: its Skin3rd line, or our own kinds.
    TSkinControls KindOf(const QMetaObject *cls) const;

    // Dresses a form: its frame (when it has a border), its face and its controls.
    void ApplyTo(TForm *form) const;
    // Dresses a dialog: a frame, its face and its buttons.
    void ApplyTo(QDialog *dialog) const;

private:
    bool active_ = false;
    int disableTag_ = 99;
    TSkinControls skinControls_;
    TSkinFormType skinFormType_ = sfMainform;
    bool menuUpdate_ = true;
    QString skinStore_;
    QString skinFile_;
    QStringList skin3rd_;
    QByteArray stream_;
    TSkin skin_;
};
