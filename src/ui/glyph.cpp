#include "ui/glyph.h"

#include <QAbstractButton>
#include <QIcon>
#include <QString>
#include <QToolButton>

namespace zerbo::ui {

QIcon Glyph(const char* name) {
    return QIcon(QStringLiteral(":/glyphs/%1.svg").arg(QLatin1String(name)));
}

void SetGlyph(QAbstractButton* button, const char* name, int width, int height) {
    if (button->accessibleName().isEmpty()) button->setAccessibleName(button->text());
    button->setIcon(Glyph(name));
    button->setIconSize(QSize(width, height));
    if (auto* tool = qobject_cast<QToolButton*>(button))
        tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

} // namespace zerbo::ui
