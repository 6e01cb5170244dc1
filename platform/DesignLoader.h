#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <functional>
#include <stdexcept>

#include <QWidget>

class QObject;
class QJsonValue;
class QMetaMethod;
class QVariant;

// A design that cannot be loaded. The message names the design, the component,
// the property and what is wrong with it.
class EDesignError : public std::runtime_error
{
public:
    explicit EDesignError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Classes a design may name. A factory creates the component with its Qt parent
// (the widget it sits in, or its owner for components that are not widgets).
using ComponentFactory = std::function<QObject *(QObject *parent)>;
void RegisterComponentClass(const QByteArray &className, ComponentFactory factory);
bool IsComponentClassRegistered(const QByteArray &className);

template <typename T> void RegisterComponentClass()
{
    RegisterComponentClass(T::staticMetaObject.className(), [](QObject *parent) -> QObject * {
        if constexpr (std::is_base_of_v<QWidget, T>)
            return new T(static_cast<QWidget *>(parent));
        else
            return new T(parent);
    });
}

// Event properties: a design names a slot of the root form; the binder turns the
// slot into a value of the event type. `signature` is the slot's parameter list.
using EventBinder = std::function<QVariant(QObject *form, const QMetaMethod &slot)>;
void RegisterEventType(QMetaType type, const QByteArray &signature, EventBinder binder);

// Builds the component tree of a design into `root` (the form it describes):
// creates the components in order, writes their properties through the
// meta-object system, then resolves references by name and binds handlers.
// Throws EDesignError and leaves no half-built component behind on failure.
void LoadDesign(QObject *root, const QString &fileName);
void LoadDesignData(QObject *root, const QByteArray &json, const QString &sourceName);
