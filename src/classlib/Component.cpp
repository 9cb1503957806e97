#include "Component.h"

#include "Application.h"

void TNotifyEvent::operator()(TObject *sender) const
{
    if (!receiver_)
        return;
    // Straight into the receiver's own meta-call, so that an error raised by the
    // handler travels back to us through our own code only.
    void *args[] = {nullptr, &sender};
    receiver_->qt_metacall(QMetaObject::InvokeMetaMethod, method_, args);
}

TComponent::TComponent(TComponent *owner)
    : TObject(owner)
    , owner_(owner)
{
}

TComponent::~TComponent() = default;

void TComponent::DestroyComponents()
{
    const auto owned = findChildren<TComponent *>(Qt::FindDirectChildrenOnly);
    for (TComponent *component : owned)
        delete component;
}

void TComponent::SetEvent(const std::string &name, TNotifyEvent handler)
{
    events_.at(name) = handler;
}

const TNotifyEvent &TComponent::Event(const std::string &name) const
{
    return events_.at(name);
}

void TComponent::FireEvent(const std::string &name)
{
    const TNotifyEvent handler = Event(name);
    try {
        handler(this);
    } catch (...) {
        Application->HandleException(this);
    }
}
