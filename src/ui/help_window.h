// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The built-in manual: a contents list, a search field and the topic text.
// The topics are HTML pages in the program's resources (src/ui/manual/);
// links between them work inside the window.

#include "shell/messages.h"

#include <QDialog>
#include <QString>

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QUrl;

namespace zerbo::ui {

class HelpWindow : public QDialog, public HelpViewer {
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Opens the topic of a context number (F1 and the "Hilfe" buttons).
    void openTopic(int context) override;
    // The context number last asked for.
    int topic() const { return topic_; }
    // Opens a page of the manual by its file name ("drehen.html").
    void openPage(const QString& page);
    // The file name of the page shown.
    QString page() const;
    // Shows in the contents only the topics that hold the word (any case);
    // an empty word shows them all. Returns the number of topics found.
    int search(const QString& word);

  private:
    void shown(const QUrl& url);
    void filter(const QString& word);
    void markWord();

    QLineEdit* search_;
    QLabel* hits_;
    QListWidget* contents_;
    QLabel* title_;
    QTextBrowser* text_;
    std::vector<QString> plainTexts_; // per topic, for the search
    int topic_ = 0;
};

} // namespace zerbo::ui
