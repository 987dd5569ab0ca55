#pragma once
// Small builders for the widgets of a page: each widget gets its component
// name as objectName, so a Binder finds it.

#include <QColor>
#include <QString>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QScrollBar;
class QToolButton;
class QCheckBox;
class QWidget;

namespace zerbo::ui {

// Field colours of the pages.
inline const QColor kLime(0, 255, 0);
inline const QColor kYellow(255, 255, 0);

QLineEdit* MakeField(const char* name, QWidget* parent, int width = 80);
void Colour(QLineEdit* field, const QColor& colour);
QComboBox* MakeList(const char* name, QWidget* parent, int width = 0);
QListWidget* MakeListBox(const char* name, QWidget* parent);
QScrollBar* MakeBar(const char* name, QWidget* parent, bool vertical = false);
// A speed button: checkable, with a caption.
QToolButton* MakeSpeedButton(const char* name, const QString& caption, QWidget* parent);
QCheckBox* MakeCheck(const char* name, const QString& caption, QWidget* parent);
QPlainTextEdit* MakeMemo(const char* name, QWidget* parent);
// A static caption; `name` only where the program changes or hides it.
QLabel* MakeLabel(const QString& text, QWidget* parent, const char* name = nullptr);
QGroupBox* MakeGroup(const QString& title, QWidget* parent, const char* name = nullptr);

} // namespace zerbo::ui
