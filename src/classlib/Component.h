// The base of everything a layout creates: a named component owned by another,
// with events bound by name to its owner's handlers.
#pragma once

#include "Exception.h"

#include <QObject>
#include <QString>

#include <map>
#include <string>

class TObject : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
};

class TComponent;

// A handler bound by name: a method `void Name(TObject *Sender)` of a form.
class TNotifyEvent
{
public:
    TNotifyEvent() = default;
    TNotifyEvent(QObject *receiver, int methodIndex) : receiver_(receiver), method_(methodIndex) {}
    explicit operator bool() const { return receiver_ != nullptr; }
    // Calls the handler; errors it raises pass to the caller.
    void operator()(TObject *sender) const;

private:
    QObject *receiver_ = nullptr;
    int method_ = -1;
};

class TComponent : public TObject
{
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
public:
    explicit TComponent(TComponent *owner);
    ~TComponent() override;

    QString Name() const { return objectName(); }
    TComponent *Owner() const { return owner_; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // The events this kind of component offers ("OnClick", "OnTimer" ...).
    bool HasEvent(const std::string &name) const { return events_.count(name) != 0; }
    void SetEvent(const std::string &name, TNotifyEvent handler);
    const TNotifyEvent &Event(const std::string &name) const;

    // Runs once the layout has set every property of the component.
    virtual void Loaded() {}
    bool Loading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }

    // Calls the named event, if bound, passing any error to the default error display.
    void FireEvent(const std::string &name);

protected:
    void DeclareEvent(const std::string &name) { events_[name]; }
    // Destroys the components this one owns, ahead of its own parts (a form's
    // window, the application's toolkit) that they may still use.
    void DestroyComponents();

private:
    TComponent *owner_;
    int tag_ = 0;
    bool loading_ = false;
    std::map<std::string, TNotifyEvent> events_;
};
