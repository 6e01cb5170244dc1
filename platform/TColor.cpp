#include "TColor.h"

#include <QApplication>
#include <QPalette>

namespace {

struct NamedColor
{
    const char *name;
    TColor value;
};

const NamedColor kNamedColors[] = {
    {"clBlack", clBlack},   {"clMaroon", clMaroon},   {"clGray", clGray},
    {"clYellow", clYellow}, {"clRed", clRed},         {"clBlue", clBlue},
    {"clWhite", clWhite},   {"clBtnFace", clBtnFace}, {"clWindowText", clWindowText},
};

} // namespace

QColor TColor::toQColor() const
{
    if (!isSystem())
        return QColor(red(), green(), blue());
    const QPalette palette = QApplication::palette();
    switch (m_value & 0xFF) {
    case 0x0F: // button face
        return palette.color(QPalette::Button);
    case 0x08: // window text
        return palette.color(QPalette::WindowText);
    case 0x05: // window background
        return palette.color(QPalette::Base);
    default:
        return palette.color(QPalette::Window);
    }
}

TColor TColor::fromQColor(const QColor &color)
{
    return fromRgb(color.red(), color.green(), color.blue());
}

bool TColor::fromString(const QString &text, TColor *color)
{
    const QString t = text.trimmed();
    for (const NamedColor &named : kNamedColors) {
        if (t == QLatin1String(named.name)) {
            *color = named.value;
            return true;
        }
    }
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || v < -0x80000000LL || v > 0xFFFFFFFFLL)
        return false;
    *color = TColor(qint32(quint32(v)));
    return true;
}

QString TColor::toString() const
{
    for (const NamedColor &named : kNamedColors) {
        if (named.value == *this)
            return QString::fromLatin1(named.name);
    }
    return QStringLiteral("$%1").arg(quint32(m_value), 8, 16, QLatin1Char('0')).toUpper();
}
