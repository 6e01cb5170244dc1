#pragma once

#include <QMetaType>
#include <QObject>
#include <functional>

// A handler reference that may be empty. Designs bind it to a slot of the form
// by name; code may assign any callable.
template <typename Signature> class TEvent;

template <typename R, typename... Args> class TEvent<R(Args...)>
{
public:
    TEvent() = default;
    template <typename F> TEvent(F f) : m_fn(std::move(f)) {}

    bool assigned() const { return bool(m_fn); }
    explicit operator bool() const { return assigned(); }
    R operator()(Args... args) const { return m_fn(std::forward<Args>(args)...); }
    void clear() { m_fn = nullptr; }

    // The name of the slot a design bound this handler to, if any.
    QByteArray handlerName() const { return m_name; }
    void setHandlerName(const QByteArray &name) { m_name = name; }

    // Equal when both are empty or both name the same design handler.
    bool operator==(const TEvent &other) const
    {
        return assigned() == other.assigned() && m_name == other.m_name;
    }

private:
    std::function<R(Args...)> m_fn;
    QByteArray m_name;
};

using TNotifyEvent = TEvent<void(QObject *)>;
Q_DECLARE_METATYPE(TNotifyEvent)
