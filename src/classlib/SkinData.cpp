#include "SkinData.h"

#include "BitBtn.h"
#include "Button.h"
#include "Form.h"
#include "Panel.h"
#include "SkinFrame.h"
#include "SkinStyle.h"

#include <QDialog>
#include <QHash>

namespace {
TSkinData *current = nullptr;

TSkinData::TSkinControls KindByName(const QString &name)
{
    static const QHash<QString, TSkinData::TSkinControl> kinds{
        {"mainmenu", TSkinData::xcMainMenu},     {"popupmenu", TSkinData::xcPopupMenu}, {"toolbar", TSkinData::xcToolbar},
        {"controlbar", TSkinData::xcControlbar}, {"combo", TSkinData::xcCombo},         {"checkbox", TSkinData::xcCheckBox},
        {"radiobutton", TSkinData::xcRadioButton}, {"progress", TSkinData::xcProgress}, {"scrollbar", TSkinData::xcScrollbar},
        {"edit", TSkinData::xcEdit},             {"button", TSkinData::xcButton},       {"bitbtn", TSkinData::xcBitBtn},
        {"speedbutton", TSkinData::xcSpeedButton}, {"panel", TSkinData::xcPanel},       {"groupbox", TSkinData::xcGroupBox},
        {"statusbar", TSkinData::xcStatusBar},   {"tab", TSkinData::xcTab},             {"systemmenu", TSkinData::xcSystemMenu},
    };
    return TSkinData::TSkinControls(kinds.value(name.toLower(), TSkinData::TSkinControl(0)));
}
} // namespace

TSkinData::~TSkinData()
{
    if (current == this)
        current = nullptr;
}

TSkinData *TSkinData::Current()
{
    return current;
}

void TSkinData::Loaded()
{
    if (!active_)
        return;
    skin_ = TSkin::FromStream(stream_);
    current = this;
}

bool TSkinData::CoversForm(const TForm *form) const
{
    if (!active_ || !form || form->Tag() == disableTag_)
        return false;
    return skinFormType_ == sfMainform || form == Owner();
}

bool TSkinData::CoversDialogs() const
{
    return active_ && (skinFormType_ == sfMainform || skinFormType_ == sfDialog);
}

TSkinData::TSkinControls TSkinData::KindOf(const QMetaObject *cls) const
{
    for (const QString &line : skin3rd_) {
        const QString name = line.section(u'=', 0, 0).trimmed();
        if (name.compare(QLatin1String(cls->className()), Qt::CaseInsensitive) == 0)
            return KindByName(line.section(u'=', 1).trimmed());
    }
    for (const QMetaObject *m = cls; m; m = m->superClass()) {
        const QLatin1String name(m->className());
        if (name == QLatin1String("TBitBtn"))
            return xcBitBtn;
        if (name == QLatin1String("TButton"))
            return xcButton;
        if (name == QLatin1String("TPanel"))
            return xcPanel;
    }
    return {};
}

bool TSkinData::CoversControl(const TControl *control) const
{
    if (!active_ || control->Tag() == disableTag_)
        return false;
    const TSkinControls kind = KindOf(control->metaObject());
    return kind && (skinControls_ & kind) == kind;
}

void TSkinData::ApplyTo(TForm *form) const
{
    if (!CoversForm(form))
        return;
    form->ApplySkin(&skin_, skinControls_.testFlag(xcSystemMenu));
    for (TControl *control : form->findChildren<TControl *>()) {
        if (!CoversControl(control))
            continue;
        if (auto *panel = qobject_cast<TPanel *>(control))
            panel->SetSkin(&skin_);
        else if (qobject_cast<TButton *>(control))
            control->Widget()->setStyleSheet(SkinStyle::ButtonSheet(skin_));
    }
}

void TSkinData::ApplyTo(QDialog *dialog) const
{
    if (!CoversDialogs())
        return;
    dialog->setWindowFlags(dialog->windowFlags() | Qt::FramelessWindowHint);
    new TSkinFrame(dialog, skin_, skinControls_.testFlag(xcSystemMenu));
    if (skinControls_.testFlag(xcButton))
        dialog->setStyleSheet(SkinStyle::DialogSheet(skin_));
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, skin_.windowFace);
    palette.setColor(QPalette::WindowText, skin_.windowText);
    dialog->setPalette(palette);
}
