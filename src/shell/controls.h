// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The state of the window's controls, kept without any window toolkit.
//
// A page model owns one object per control; each carries the control's
// component name ("Edit8", "ComboBox5", ...), which the window layer uses as
// the widget's objectName. Setting state from code never runs a handler,
// with one exception: a Field that has an onChange handler runs it when its
// text changes (the calculator fields behave like that).

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

enum class ControlKind { Field, List, Bar, Button, Check, Memo, Label };

class Control {
  public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    virtual ControlKind kind() const = 0;

    bool enabled = true;
    bool visible = true;
    std::string hint;

  private:
    std::string name_;
};

// A single-line text field. Read-only unless `editable`.
class Field : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Field; }

    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }
    // Writes the text; runs onChange when there is one and the text changed.
    void setText(std::string text);

    bool editable = false;
    std::function<void()> onChange;

  private:
    std::string text_;
};

// A drop-down list or list box: items and the selected index (-1 = none).
class List : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::List; }

    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    int index() const { return index_; }
    // The selected item's text; empty when nothing is selected.
    std::string text() const;

    void clear();
    void add(std::string item);
    // Replaces all items and selects the first (none when empty).
    void fill(std::vector<std::string> items);
    // Selects an item; an index outside the list selects nothing.
    void select(int index);

    std::function<void()> onChange;

  private:
    std::vector<std::string> items_;
    int index_ = -1;
};

// A scroll bar holding an integer position inside [min, max].
class Bar : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Bar; }

    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    // Sets range and position together; the position is kept inside the
    // range and a maximum below the minimum is raised to the minimum.
    void setup(int min, int max, int position);
    void setPosition(int position);
    // min + (max - min) div 2
    int middle() const;

    int smallStep = 1;
    int largeStep = 10;
    bool vertical = false;
    std::function<void()> onChange;

  private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

// Shows or hides controls together.
inline void Show(std::initializer_list<Control*> controls, bool visible) {
    for (Control* c : controls)
        c->visible = visible;
}

class ButtonGroup;

// A push button, a speed button in a radio group, or a toggle.
class Button : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Button; }

    bool down() const { return down_; }
    // Pressing a grouped button down releases the others of its group.
    void setDown(bool down);
    ButtonGroup* group() const { return group_; }

    std::string caption;
    // A toggle (or a group whose buttons may all be up) releases on a
    // click while down.
    bool allowAllUp = false;
    bool toggle = false;
    std::function<void()> onClick;

  private:
    friend class ButtonGroup;
    bool down_ = false;
    ButtonGroup* group_ = nullptr;
};

class ButtonGroup {
  public:
    ButtonGroup() = default;
    ButtonGroup(const ButtonGroup&) = delete;
    ButtonGroup& operator=(const ButtonGroup&) = delete;

    void add(Button& button);
    const std::vector<Button*>& buttons() const { return buttons_; }
    // Index of the button that is down, or -1.
    int downIndex() const;
    void release(const Button* except);

  private:
    std::vector<Button*> buttons_;
};

class Check : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Check; }

    std::string caption;
    bool checked = false;
    std::function<void()> onClick;
};

// A read-only multi-line memo.
class Memo : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Memo; }

    std::vector<std::string> lines;
};

// A label whose caption changes at run time.
class Label : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Label; }

    std::string caption;
};

} // namespace zerbo
