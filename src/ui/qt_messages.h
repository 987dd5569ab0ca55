#pragma once
// Messages and help for the window: modal message boxes and a small help
// window.

#include "shell/messages.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QTextBrowser;

namespace zerbo::ui {

class QtMessages : public Messages {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void error(std::string_view text) override;
    void information(std::string_view text) override;

  private:
    QPointer<QWidget> parent_;
};

// Shows a help topic's page name and a short description.
class HelpWindow : public QDialog, public HelpViewer {
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void openTopic(int context) override;
    int topic() const { return topic_; }

  private:
    QLabel* title_;
    QTextBrowser* text_;
    int topic_ = 0;
};

} // namespace zerbo::ui
