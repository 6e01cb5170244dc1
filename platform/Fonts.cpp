#include "Fonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Fonts of about the same width come first; fontconfig falls back further.
    const QStringList sansSerif = {QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                                   QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sansSerif);
    QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"), sansSerif);
}
