#include "Layout.h"

#include "BitBtn.h"
#include "Button.h"
#include "Form.h"
#include "Panel.h"
#include "SkinData.h"
#include "Timer.h"
#include "WebBrowser.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>

#include <functional>
#include <map>

namespace {

using Factory = std::function<TComponent *(TComponent *owner)>;

template <class T>
std::pair<const QString, Factory> Kind(const char *name)
{
    return {QString::fromLatin1(name), [](TComponent *owner) -> TComponent * { return new T(owner); }};
}

const std::map<QString, Factory> &Kinds()
{
    static const std::map<QString, Factory> kinds{
        Kind<TBitBtn>("TBitBtn"), Kind<TButton>("TButton"),     Kind<TPanel>("TPanel"),
        Kind<TSkinData>("TSkinData"), Kind<TTimer>("TTimer"), Kind<TWebBrowser>("TWebBrowser"),
    };
    return kinds;
}

[[noreturn]] void Fail(const QString &message)
{
    throw EReadError(message.toStdU16String());
}

class Reader
{
public:
    explicit Reader(TForm *form) : form_(form) {}

    void ReadRoot(const QJsonObject &root)
    {
        const QString cls = root.value(QStringLiteral("class")).toString();
        if (cls != QLatin1String(form_->metaObject()->className()))
            Fail(QStringLiteral("Layout of %1 describes class %2").arg(QLatin1String(form_->metaObject()->className()), cls));
        form_->setObjectName(Name(root));
        ReadProperties(form_, form_->objectName(), root);
        ReadChildren(form_, root);
        BindFields();
    }

private:
    QString Name(const QJsonObject &object) const
    {
        const QString name = object.value(QStringLiteral("name")).toString();
        if (name.isEmpty())
            Fail(QStringLiteral("A component in the layout of %1 has no name").arg(QLatin1String(form_->metaObject()->className())));
        return name;
    }

    void ReadChildren(TControl *parent, const QJsonObject &object)
    {
        const QJsonValue children = object.value(QStringLiteral("children"));
        if (children.isUndefined())
            return;
        if (!children.isArray())
            Fail(QStringLiteral("Error reading %1: children must be a list").arg(parent->Name()));
        for (const QJsonValue &value : children.toArray()) {
            const QJsonObject child = value.toObject();
            const QString name = Name(child);
            const QString cls = child.value(QStringLiteral("class")).toString();
            const auto kind = Kinds().find(cls);
            if (kind == Kinds().end())
                Fail(QStringLiteral("Class %1 not found").arg(cls));
            if (form_->findChild<TComponent *>(name))
                Fail(QStringLiteral("A component named %1 already exists").arg(name));
            TComponent *component = kind->second(form_);
            component->setObjectName(name);
            component->SetLoading(true);
            auto *control = qobject_cast<TControl *>(component);
            if (control)
                control->SetParent(parent);
            ReadProperties(component, name, child);
            if (control)
                ReadChildren(control, child);
            else if (child.contains(QStringLiteral("children")))
                Fail(QStringLiteral("Error reading %1: a %2 holds no components").arg(name, cls));
        }
    }

    void ReadProperties(QObject *target, const QString &path, const QJsonObject &object)
    {
        const QJsonValue properties = object.value(QStringLiteral("properties"));
        if (properties.isUndefined())
            return;
        if (!properties.isObject())
            Fail(QStringLiteral("Error reading %1: properties must be an object").arg(path));
        SetProperties(target, path, properties.toObject());
    }

    void SetProperties(QObject *target, const QString &path, const QJsonObject &properties)
    {
        for (auto it = properties.begin(); it != properties.end(); ++it) {
            const QString &key = it.key();
            const QString where = path + u'.' + key;
            auto *component = qobject_cast<TComponent *>(target);
            if (component && component->HasEvent(key.toStdString())) {
                BindEvent(component, key, where, it.value());
                continue;
            }
            const QMetaObject *meta = target->metaObject();
            const int index = meta->indexOfProperty(key.toLatin1().constData());
            if (index < 0 || key.startsWith(QLatin1String("On")))
                Fail(QStringLiteral("Error reading %1: Property %2 does not exist").arg(where, key));
            SetProperty(target, meta->property(index), where, it.value());
        }
    }

    void BindEvent(TComponent *component, const QString &event, const QString &where, const QJsonValue &value)
    {
        if (!value.isString())
            Fail(QStringLiteral("Error reading %1: Invalid property value").arg(where));
        const QByteArray signature = value.toString().toLatin1() + "(TObject*)";
        const int method = form_->metaObject()->indexOfMethod(signature.constData());
        if (method < 0)
            Fail(QStringLiteral("Error reading %1: Method %2 not found in %3")
                     .arg(where, value.toString(), QLatin1String(form_->metaObject()->className())));
        component->SetEvent(event.toStdString(), TNotifyEvent(form_, method));
    }

    void SetProperty(QObject *target, const QMetaProperty &property, const QString &where, const QJsonValue &value)
    {
        const auto invalid = [&] { Fail(QStringLiteral("Error reading %1: Invalid property value").arg(where)); };
        const QMetaType type = property.metaType();
        QVariant converted;
        if (type.flags().testFlag(QMetaType::PointerToQObject)) {
            // A nested object: set its own properties.
            if (!value.isObject())
                invalid();
            QObject *nested = property.read(target).value<QObject *>();
            SetProperties(nested, where, value.toObject());
            return;
        }
        if (!property.isWritable())
            Fail(QStringLiteral("Error reading %1: Property is read-only").arg(where));
        if (property.isFlagType()) {
            if (!value.isArray())
                invalid();
            QByteArrayList keys;
            for (const QJsonValue &key : value.toArray()) {
                if (!key.isString())
                    invalid();
                keys << key.toString().toLatin1();
            }
            bool ok = true;
            const int flags = keys.isEmpty() ? 0 : property.enumerator().keysToValue(keys.join('|').constData(), &ok);
            if (!ok)
                invalid();
            converted = QVariant(type, &flags);
        } else if (property.isEnumType()) {
            bool ok = value.isString();
            const int number = ok ? property.enumerator().keyToValue(value.toString().toLatin1().constData(), &ok) : 0;
            if (!ok)
                invalid();
            converted = QVariant(type, &number);
        } else if (type == QMetaType::fromType<int>()) {
            const double number = value.toDouble(0.5);
            if (!value.isDouble() || number != double(int(number)))
                invalid();
            converted = int(number);
        } else if (type == QMetaType::fromType<bool>()) {
            if (!value.isBool())
                invalid();
            converted = value.toBool();
        } else if (type == QMetaType::fromType<QString>()) {
            if (!value.isString())
                invalid();
            converted = value.toString();
        } else if (type == QMetaType::fromType<QStringList>()) {
            if (!value.isArray())
                invalid();
            QStringList lines;
            for (const QJsonValue &line : value.toArray()) {
                if (!line.isString())
                    invalid();
                lines << line.toString();
            }
            converted = lines;
        } else if (type == QMetaType::fromType<QByteArray>()) {
            // Binary data, kept in the program's resources and named by its path.
            QFile data(value.toString());
            if (!value.isString() || !data.open(QIODevice::ReadOnly))
                Fail(QStringLiteral("Error reading %1: Data %2 cannot be read").arg(where, value.toString()));
            converted = data.readAll();
        } else if (type == QMetaType::fromType<QImage>()) {
            const QImage image(value.toString());
            if (!value.isString() || image.isNull())
                Fail(QStringLiteral("Error reading %1: Picture %2 cannot be read").arg(where, value.toString()));
            converted = image;
        } else {
            invalid();
        }
        property.write(target, converted);
    }

    // Each field the form declares is the component of the same name.
    void BindFields()
    {
        const QMetaObject *meta = form_->metaObject();
        for (int i = TForm::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QMetaProperty field = meta->property(i);
            const QMetaObject *kind = field.metaType().metaObject();
            if (!field.metaType().flags().testFlag(QMetaType::PointerToQObject) || !kind)
                continue;
            TComponent *component = form_->findChild<TComponent *>(QLatin1String(field.name()));
            if (!component)
                Fail(QStringLiteral("Component %1 of %2 is not in its layout")
                         .arg(QLatin1String(field.name()), QLatin1String(meta->className())));
            if (!component->metaObject()->inherits(kind))
                Fail(QStringLiteral("Component %1 of %2 is a %3, not a %4")
                         .arg(QLatin1String(field.name()), QLatin1String(meta->className()),
                              QLatin1String(component->metaObject()->className()), QLatin1String(kind->className())));
            QObject *object = component;
            field.write(form_, QVariant(field.metaType(), &object));
        }
    }

    TForm *form_;
};

} // namespace

namespace {
QString &Root()
{
    static QString root = QStringLiteral(":/forms");
    return root;
}
} // namespace

void SetLayoutRoot(const QString &root)
{
    Root() = root;
}

QString LayoutPath(const char *formClass)
{
    return QStringLiteral("%1/%2.json").arg(Root(), QLatin1String(formClass));
}

void ReadComponentRes(TForm *form)
{
    const char *cls = form->metaObject()->className();
    QFile file(LayoutPath(cls));
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("Resource %1 not found").arg(QLatin1String(cls)));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        Fail(QStringLiteral("Error reading layout of %1: %2 at offset %3")
                 .arg(QLatin1String(cls), error.errorString())
                 .arg(error.offset));
    if (!document.isObject())
        Fail(QStringLiteral("Error reading layout of %1: not an object").arg(QLatin1String(cls)));
    Reader(form).ReadRoot(document.object());
}
