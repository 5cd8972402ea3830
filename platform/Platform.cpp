#include "platform/Platform.h"

#include "platform/Layout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>

void InitFonts() {
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
}

void EnterProgramFolder() {
    DecideLayout(QCoreApplication::applicationDirPath());
    QDir::setCurrent(DataFolder());
}
