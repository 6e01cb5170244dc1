#pragma once

#include <QColor>
#include <QMetaType>
#include <QString>

// A colour value as designs store it: 0x00BBGGRR with red in the low byte, or
// 0x80000000 | index for a system colour that follows the application palette.
class TColor
{
public:
    constexpr TColor() = default;
    constexpr TColor(qint32 value) : m_value(value) {}
    constexpr operator qint32() const { return m_value; }

    constexpr bool isSystem() const { return m_value < 0; }
    constexpr int red() const { return m_value & 0xFF; }
    constexpr int green() const { return (m_value >> 8) & 0xFF; }
    constexpr int blue() const { return (m_value >> 16) & 0xFF; }

    // The colour as shown: system colours resolve through the application palette.
    QColor toQColor() const;
    static TColor fromQColor(const QColor &color);
    static constexpr TColor fromRgb(int r, int g, int b)
    {
        return TColor(r | (g << 8) | (b << 16));
    }

    // Parses "clWhite", "$00FFFF", "0x8000000F" or a decimal number.
    static bool fromString(const QString &text, TColor *color);
    // The name of a named colour ("clGray"), otherwise "$00BBGGRR".
    QString toString() const;

private:
    qint32 m_value = 0;
};
Q_DECLARE_METATYPE(TColor)

constexpr TColor clBlack{0x000000};
constexpr TColor clMaroon{0x000080};
constexpr TColor clGray{0x808080};
constexpr TColor clYellow{0x00FFFF};
constexpr TColor clRed{0x0000FF};
constexpr TColor clBlue{0xFF0000};
constexpr TColor clWhite{0xFFFFFF};
constexpr TColor clWindowText{qint32(0x80000008u)};
constexpr TColor clBtnFace{qint32(0x8000000Fu)};
