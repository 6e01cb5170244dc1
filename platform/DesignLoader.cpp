#include "DesignLoader.h"

#include "Fonts.h"
#include "TColor.h"
#include "TComboBox.h"
#include "TComponent.h"
#include "TForm.h"
#include "TLabel.h"
#include "TMenu.h"
#include "TNotifyEvent.h"

#include <QFile>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <cmath>
#include <limits>

namespace {

struct EventType
{
    QByteArray signature;
    EventBinder binder;
};

QHash<QByteArray, ComponentFactory> &classRegistry()
{
    static QHash<QByteArray, ComponentFactory> registry;
    return registry;
}

QHash<int, EventType> &eventRegistry()
{
    static QHash<int, EventType> registry = [] {
        QHash<int, EventType> r;
        r.insert(QMetaType::fromType<TNotifyEvent>().id(),
                 {"QObject*", [](QObject *form, const QMetaMethod &slot) {
                      QPointer<QObject> target(form);
                      TNotifyEvent handler([target, slot](QObject *sender) {
                          if (target)
                              slot.invoke(target, Qt::DirectConnection, Q_ARG(QObject *, sender));
                      });
                      handler.setHandlerName(slot.name());
                      return QVariant::fromValue(handler);
                  }});
        return r;
    }();
    return registry;
}

void registerPlatformClasses()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterComponentClass<TMainMenu>();
    RegisterComponentClass<TMenuItem>();
    RegisterComponentClass<TLabel>();
    RegisterComponentClass<TComboBox>();
    InstallFontSubstitutes();
}

QString describe(const QJsonValue &v)
{
    switch (v.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QString::number(v.toDouble());
    case QJsonValue::String:
        return QLatin1Char('"') + v.toString() + QLatin1Char('"');
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

// A reference or handler to settle once every component exists.
struct Deferred
{
    QObject *component;
    QString componentName;
    QMetaProperty property;
    QJsonValue value;
};

class Loader
{
public:
    Loader(QObject *root, const QString &source) : m_root(root), m_source(source) {}

    void load(const QByteArray &json)
    {
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
        if (parseError.error != QJsonParseError::NoError)
            fail(QStringLiteral("malformed JSON at offset %1: %2")
                     .arg(parseError.offset)
                     .arg(parseError.errorString()));
        if (!doc.isObject())
            fail(QStringLiteral("the design must be a JSON object"));
        const QJsonObject top = doc.object();

        const QString rootClass = top.value(QLatin1String("class")).toString();
        if (rootClass != QLatin1String(m_root->metaObject()->className()))
            fail(QStringLiteral("the design is of class \"%1\", not of %2")
                     .arg(rootClass, QLatin1String(m_root->metaObject()->className())));
        const QString rootName = top.value(QLatin1String("name")).toString();
        if (rootName.isEmpty())
            fail(QStringLiteral("the design has no \"name\""));
        m_root->setObjectName(rootName);
        m_components.insert(rootName, m_root);

        SetComponentState(m_root, ComponentState(m_root) | csLoading);
        applyProperties(m_root, rootName, top.value(QLatin1String("properties")));

        const QJsonValue list = top.value(QLatin1String("components"));
        if (!list.isUndefined() && !list.isArray())
            fail(QStringLiteral("\"components\" must be an array"));
        for (const QJsonValue &entry : list.toArray())
            createComponent(entry);

        for (const Deferred &d : std::as_const(m_references))
            resolveReference(d);
        for (const Deferred &d : std::as_const(m_handlers))
            bindHandler(d);

        applyFontColors();
        for (QObject *c : std::as_const(m_created))
            finishLoading(c);
        finishLoading(m_root);
    }

    // Deletes what was built so far; top-level components go first so the
    // root keeps nothing that refers to them.
    void rollBack()
    {
        for (auto it = m_created.crbegin(); it != m_created.crend(); ++it)
            delete it->data();
        m_created.clear();
        SetComponentState(m_root, ComponentState(m_root) & ~TComponentState(csLoading));
    }

private:
    [[noreturn]] void fail(const QString &what) const
    {
        throw EDesignError(QStringLiteral("%1: %2").arg(m_source, what));
    }

    [[noreturn]] void failAt(const QString &component, const QString &property,
                             const QString &what) const
    {
        if (property.isEmpty())
            fail(QStringLiteral("component \"%1\": %2").arg(component, what));
        fail(
            QStringLiteral("component \"%1\", property \"%2\": %3").arg(component, property, what));
    }

    static void finishLoading(QObject *c)
    {
        SetComponentState(c, ComponentState(c) & ~TComponentState(csLoading));
        const int loaded = c->metaObject()->indexOfMethod("Loaded()");
        if (loaded >= 0)
            c->metaObject()->method(loaded).invoke(c, Qt::DirectConnection);
    }

    void createComponent(const QJsonValue &entry)
    {
        if (!entry.isObject())
            fail(QStringLiteral("every entry of \"components\" must be an object"));
        const QJsonObject o = entry.toObject();
        const QString name = o.value(QLatin1String("name")).toString();
        const QByteArray className = o.value(QLatin1String("class")).toString().toLatin1();
        if (name.isEmpty())
            fail(QStringLiteral("a component of class \"%1\" has no name")
                     .arg(QLatin1String(className)));
        if (m_components.contains(name))
            failAt(name, QString(), QStringLiteral("the name is used twice"));
        const ComponentFactory factory = classRegistry().value(className);
        if (!factory)
            failAt(name, QString(),
                   QStringLiteral("unknown class \"%1\"").arg(QLatin1String(className)));

        const QString parentName = o.value(QLatin1String("parent")).toString(m_root->objectName());
        QObject *parent = m_components.value(parentName);
        if (!parent)
            failAt(name, QStringLiteral("parent"),
                   QStringLiteral("no component named \"%1\" comes before it").arg(parentName));

        QObject *component = create(factory, name, parent);
        component->setObjectName(name);
        SetComponentState(component, ComponentState(component) | csLoading);
        m_created.append(component);
        m_components.insert(name, component);
        applyProperties(component, name, o.value(QLatin1String("properties")));
    }

    // Creates the component where it belongs: widgets inside their parent
    // widget (a form's client area for a form), menu items in their menu, and
    // everything else owned by the root form.
    QObject *create(const ComponentFactory &factory, const QString &name, QObject *parent)
    {
        QObject *qtParent = m_root;
        if (auto *form = qobject_cast<TForm *>(parent))
            qtParent = form->clientArea();
        else if (parent->isWidgetType())
            qtParent = parent;
        QObject *component = factory(qtParent);
        if (!component)
            failAt(name, QString(), QStringLiteral("its class could not be created"));
        if (component->isWidgetType() && !qtParent->isWidgetType()) {
            delete component;
            failAt(name, QStringLiteral("parent"),
                   QStringLiteral("a control needs a control or form as parent"));
        }
        if (!component->isWidgetType() && component->parent() != m_root)
            component->setParent(m_root);
        if (auto *item = qobject_cast<TMenuItem *>(component)) {
            if (auto *menu = qobject_cast<TMainMenu *>(parent))
                menu->Add(item);
            else if (auto *parentItem = qobject_cast<TMenuItem *>(parent))
                parentItem->Add(item);
        }
        return component;
    }

    // Writes the values in the order the class declares its properties, base
    // classes first, as a design tool stores them; references and handlers wait.
    void applyProperties(QObject *component, const QString &name, const QJsonValue &value)
    {
        if (value.isUndefined())
            return;
        if (!value.isObject())
            failAt(name, QString(), QStringLiteral("\"properties\" must be an object"));
        const QJsonObject props = value.toObject();
        const QMetaObject *mo = component->metaObject();
        for (auto it = props.begin(); it != props.end(); ++it) {
            const int index = mo->indexOfProperty(it.key().toLatin1().constData());
            if (index < 0 || !mo->property(index).isWritable() || it.key().at(0).isLower())
                failAt(
                    name, it.key(),
                    QStringLiteral("unknown property of %1").arg(QLatin1String(mo->className())));
        }
        for (int i = 0; i < mo->propertyCount(); ++i) {
            const QMetaProperty p = mo->property(i);
            const QJsonValue v = props.value(QLatin1String(p.name()));
            if (v.isUndefined())
                continue;
            if (p.metaType().flags() & QMetaType::PointerToQObject) {
                m_references.append({component, name, p, v});
            } else if (eventRegistry().contains(p.metaType().id())) {
                m_handlers.append({component, name, p, v});
            } else {
                writeValue(component, name, p, v);
            }
        }
    }

    void writeValue(QObject *component, const QString &name, const QMetaProperty &p,
                    const QJsonValue &v)
    {
        const QVariant value = convert(name, p, v);
        if (!p.write(component, value))
            failAt(name, QLatin1String(p.name()),
                   QStringLiteral("the value %1 could not be written").arg(describe(v)));
    }

    [[noreturn]] void wrongType(const QString &name, const QMetaProperty &p, const QJsonValue &v,
                                const QString &expected) const
    {
        failAt(name, QLatin1String(p.name()),
               QStringLiteral("expected %1, found %2").arg(expected, describe(v)));
    }

    QVariant convert(const QString &name, const QMetaProperty &p, const QJsonValue &v)
    {
        if (p.isEnumType()) {
            const QMetaEnum e = p.enumerator();
            if (p.isFlagType()) {
                QStringList keys;
                if (v.isArray()) {
                    for (const QJsonValue &k : v.toArray()) {
                        if (!k.isString())
                            wrongType(name, p, v, QStringLiteral("a set of member names"));
                        keys << k.toString();
                    }
                } else if (v.isString()) {
                    QString s = v.toString().trimmed();
                    if (!s.startsWith(QLatin1Char('[')) || !s.endsWith(QLatin1Char(']')))
                        wrongType(name, p, v, QStringLiteral("a set such as [akLeft, akTop]"));
                    s = s.mid(1, s.size() - 2);
                    for (const QString &k : s.split(QLatin1Char(','), Qt::SkipEmptyParts))
                        keys << k.trimmed();
                } else {
                    wrongType(name, p, v, QStringLiteral("a set of member names"));
                }
                int bits = 0;
                for (const QString &k : std::as_const(keys)) {
                    bool ok = false;
                    const int bit = e.keyToValue(k.toLatin1().constData(), &ok);
                    if (!ok)
                        failAt(name, QLatin1String(p.name()),
                               QStringLiteral("\"%1\" is no member of %2")
                                   .arg(k, QLatin1String(e.name())));
                    bits |= bit;
                }
                return QVariant(bits);
            }
            if (!v.isString())
                wrongType(name, p, v,
                          QStringLiteral("a member name of %1").arg(QLatin1String(e.name())));
            bool ok = false;
            const int value = e.keyToValue(v.toString().toLatin1().constData(), &ok);
            if (!ok)
                failAt(name, QLatin1String(p.name()),
                       QStringLiteral("\"%1\" is no member of %2")
                           .arg(v.toString(), QLatin1String(e.name())));
            return QVariant(value);
        }

        const QMetaType type = p.metaType();
        if (type == QMetaType::fromType<TColor>()) {
            TColor color;
            if (v.isDouble() && v.toDouble() == std::floor(v.toDouble()))
                color = TColor(qint32(quint32(qint64(v.toDouble()))));
            else if (!v.isString() || !TColor::fromString(v.toString(), &color))
                wrongType(name, p, v, QStringLiteral("a colour such as clWhite or $00FFFF"));
            return QVariant::fromValue(color);
        }
        switch (type.id()) {
        case QMetaType::Bool:
            if (!v.isBool())
                wrongType(name, p, v, QStringLiteral("true or false"));
            return QVariant(v.toBool());
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::UChar:
        case QMetaType::SChar:
        case QMetaType::LongLong: {
            const double d = v.toDouble();
            if (!v.isDouble() || d != std::floor(d))
                wrongType(name, p, v, QStringLiteral("a whole number"));
            const auto range = integerRange(type.id());
            if (d < range.first || d > range.second)
                failAt(name, QLatin1String(p.name()),
                       QStringLiteral("%1 is out of range").arg(describe(v)));
            QVariant result = QVariant::fromValue(qlonglong(d));
            result.convert(type);
            return result;
        }
        case QMetaType::Double:
        case QMetaType::Float:
            if (!v.isDouble())
                wrongType(name, p, v, QStringLiteral("a number"));
            return QVariant(v.toDouble());
        case QMetaType::QString:
            if (!v.isString())
                wrongType(name, p, v, QStringLiteral("a text"));
            return QVariant(v.toString());
        case QMetaType::QStringList: {
            if (!v.isArray())
                wrongType(name, p, v, QStringLiteral("an array of texts"));
            QStringList lines;
            for (const QJsonValue &line : v.toArray()) {
                if (!line.isString())
                    wrongType(name, p, v, QStringLiteral("an array of texts"));
                lines << line.toString();
            }
            return QVariant(lines);
        }
        case QMetaType::QFont:
            return QVariant(convertFont(name, p, v));
        case QMetaType::QImage:
        case QMetaType::QPixmap: {
            if (!v.isString())
                wrongType(name, p, v, QStringLiteral("the path of a picture"));
            const QImage image(v.toString());
            if (image.isNull())
                failAt(name, QLatin1String(p.name()),
                       QStringLiteral("no picture could be read from \"%1\"").arg(v.toString()));
            if (type.id() == QMetaType::QPixmap)
                return QVariant(QPixmap::fromImage(image));
            return QVariant(image);
        }
        default:
            break;
        }
        failAt(name, QLatin1String(p.name()),
               QStringLiteral("designs cannot set a property of type %1")
                   .arg(QLatin1String(type.name())));
    }

    static std::pair<double, double> integerRange(int id)
    {
        switch (id) {
        case QMetaType::UInt:
            return {0, std::numeric_limits<quint32>::max()};
        case QMetaType::Short:
            return {std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()};
        case QMetaType::UShort:
            return {0, std::numeric_limits<quint16>::max()};
        case QMetaType::UChar:
            return {0, 255};
        case QMetaType::SChar:
            return {-128, 127};
        case QMetaType::LongLong:
            return {-9007199254740992.0, 9007199254740992.0};
        default:
            return {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
        }
    }

    // {"Name": "Tahoma", "Height": -11 | "Size": 8, "Style": ["fsBold"], "Color": "clBlack"}.
    // A negative Height is the character height in pixels. Color, if given,
    // becomes the component's text colour.
    QFont convertFont(const QString &name, const QMetaProperty &p, const QJsonValue &v)
    {
        if (!v.isObject())
            wrongType(name, p, v, QStringLiteral("a font object"));
        const QJsonObject o = v.toObject();
        QFont font;
        for (auto it = o.begin(); it != o.end(); ++it) {
            const QString key = it.key();
            const QJsonValue value = it.value();
            const QString where = QStringLiteral("%1.%2").arg(QLatin1String(p.name()), key);
            if (key == QLatin1String("Name")) {
                if (!value.isString())
                    failAt(name, where, QStringLiteral("expected a font name"));
                font.setFamilies({value.toString()});
            } else if (key == QLatin1String("Height") || key == QLatin1String("Size")) {
                const int n = value.toInt(0);
                if (!value.isDouble() || n == 0)
                    failAt(name, where, QStringLiteral("expected a non-zero whole number"));
                if (key == QLatin1String("Size"))
                    font.setPointSize(qAbs(n));
                else
                    font.setPixelSize(qAbs(n));
            } else if (key == QLatin1String("Style")) {
                if (!value.isArray())
                    failAt(name, where, QStringLiteral("expected an array such as [\"fsBold\"]"));
                for (const QJsonValue &s : value.toArray()) {
                    const QString style = s.toString();
                    if (style == QLatin1String("fsBold"))
                        font.setBold(true);
                    else if (style == QLatin1String("fsItalic"))
                        font.setItalic(true);
                    else if (style == QLatin1String("fsUnderline"))
                        font.setUnderline(true);
                    else if (style == QLatin1String("fsStrikeOut"))
                        font.setStrikeOut(true);
                    else
                        failAt(name, where, QStringLiteral("%1 is no font style").arg(describe(s)));
                }
            } else if (key == QLatin1String("Color")) {
                TColor color;
                if (!value.isString() || !TColor::fromString(value.toString(), &color))
                    failAt(name, where, QStringLiteral("expected a colour"));
                m_fontColors.append({name, color});
            } else if (key == QLatin1String("Charset")) {
                // Qt picks the script from the text itself.
            } else {
                failAt(name, where, QStringLiteral("unknown font attribute"));
            }
        }
        return font;
    }

    void resolveReference(const Deferred &d)
    {
        QObject *target = nullptr;
        if (!d.value.isNull()) {
            if (!d.value.isString())
                wrongType(d.componentName, d.property, d.value, QStringLiteral("a component name"));
            const QString targetName = d.value.toString();
            if (!targetName.isEmpty()) {
                target = m_components.value(targetName);
                if (!target)
                    failAt(d.componentName, QLatin1String(d.property.name()),
                           QStringLiteral("no component is named \"%1\"").arg(targetName));
                const QMetaObject *wanted = d.property.metaType().metaObject();
                if (wanted && !target->metaObject()->inherits(wanted))
                    failAt(d.componentName, QLatin1String(d.property.name()),
                           QStringLiteral("\"%1\" is a %2, not a %3")
                               .arg(targetName, QLatin1String(target->metaObject()->className()),
                                    QLatin1String(wanted->className())));
            }
        }
        QVariant value(d.property.metaType(), &target);
        if (!d.property.write(d.component, value))
            failAt(d.componentName, QLatin1String(d.property.name()),
                   QStringLiteral("the reference could not be written"));
    }

    void bindHandler(const Deferred &d)
    {
        const EventType &type = eventRegistry()[d.property.metaType().id()];
        if (!d.value.isString() || d.value.toString().isEmpty())
            wrongType(d.componentName, d.property, d.value, QStringLiteral("a handler name"));
        const QByteArray signature = d.value.toString().toLatin1() + '(' + type.signature + ')';
        const QMetaObject *mo = m_root->metaObject();
        const int index =
            mo->indexOfMethod(QMetaObject::normalizedSignature(signature).constData());
        if (index < 0)
            failAt(d.componentName, QLatin1String(d.property.name()),
                   QStringLiteral("%1 has no handler %2")
                       .arg(QLatin1String(mo->className()), QLatin1String(signature)));
        if (!d.property.write(d.component, type.binder(m_root, mo->method(index))))
            failAt(d.componentName, QLatin1String(d.property.name()),
                   QStringLiteral("the handler could not be bound"));
    }

    // Font colours become the text colour of their components.
    void applyFontColors()
    {
        for (const auto &[name, color] : std::as_const(m_fontColors)) {
            if (auto *w = qobject_cast<QWidget *>(m_components.value(name))) {
                QPalette pal = w->palette();
                pal.setColor(QPalette::WindowText, color.toQColor());
                pal.setColor(QPalette::Text, color.toQColor());
                w->setPalette(pal);
            }
        }
    }

    QObject *m_root;
    QString m_source;
    QHash<QString, QObject *> m_components;
    QList<QPointer<QObject>> m_created;
    QList<Deferred> m_references;
    QList<Deferred> m_handlers;
    QList<std::pair<QString, TColor>> m_fontColors;
};

} // namespace

void RegisterComponentClass(const QByteArray &className, ComponentFactory factory)
{
    classRegistry().insert(className, std::move(factory));
}

bool IsComponentClassRegistered(const QByteArray &className)
{
    registerPlatformClasses();
    return classRegistry().contains(className);
}

void RegisterEventType(QMetaType type, const QByteArray &signature, EventBinder binder)
{
    eventRegistry().insert(type.id(), {signature, std::move(binder)});
}

void LoadDesignData(QObject *root, const QByteArray &json, const QString &sourceName)
{
    registerPlatformClasses();
    Loader loader(root, sourceName);
    try {
        loader.load(json);
    } catch (...) {
        loader.rollBack();
        throw;
    }
}

void LoadDesign(QObject *root, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EDesignError(
            QStringLiteral("%1: cannot be read: %2").arg(fileName, file.errorString()));
    LoadDesignData(root, file.readAll(), fileName);
}
