// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/arrangement.h"
#include "ui/toolkit/layout.h"
#include "ui/toolkit/menu_bar.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>

#include <functional>
#include <string>

namespace zoret::ui {

// The top-level window of a form: Enter clicks the default button (Qt's own
// dialog rule), Esc clicks the cancel button, the close box unloads.
class FormWindow : public QDialog {
public:
    FormWindow(QWidget* parent, bool resizable);
    void setCancelButton(QAbstractButton* button) { cancel_ = button; }
    // Runs `handler` once the window has first been painted, with the busy
    // cursor over it until then.
    void afterFirstPaint(std::function<void()> handler);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    QPointer<QAbstractButton> cancel_;
    std::function<void()> afterPaint_;
};

// A window of the design keeps its size; a resizable one opens at its size,
// never gets smaller, and arranges its controls in lines.
enum class Sizing { Fixed, Resizable };

// A window controller: it owns the window-level variables and lives on
// after its window is unloaded; each load creates the controls anew and runs
// Form_Load again. A menu bar sits above the client area, which keeps its
// size.
class Form {
public:
    Form(std::string name, std::string caption, int clientWidthTwips, int clientHeightTwips,
         Sizing sizing = Sizing::Fixed);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window and its controls, runs Form_Load and shows it.
    void load(QWidget* parent = nullptr);
    // Loads the window and waits until it is unloaded.
    void showModal(QWidget* parent = nullptr);
    // Destroys the window and its controls; the controller stays.
    void unload();
    bool isLoaded() const { return !window_.isNull(); }
    FormWindow* window() const { return window_; }

protected:
    // The window's controls, one row each, in the order they are created.
    virtual Layout layout() = 0;
    // The lines a resizable window arranges its controls in.
    virtual Arrangement arrangement() { return {}; }
    // The window's menus; none by default.
    virtual MenuBarDesign menuBarDesign() { return {}; }
    // What the layout has no column for (pictures, the window's icon), run
    // once the controls exist and before Form_Load.
    virtual void decorate() {}
    virtual void Form_Load() = 0;

    void setCaption(std::string_view caption);
    // What can wait until the user sees the window: its handler runs once
    // the window has first been painted. For Form_Load.
    void afterFirstPaint(Handler handler);
    MenuBar& menuBar() { return menuBar_; }
    // A resizable window opens at the size it was left at, kept under this
    // settings key.
    void rememberSizeAs(std::string settingsKey) { sizeKey_ = std::move(settingsKey); }

private:
    // The menu bar, if any, and the area below it that holds the controls.
    QWidget* makeClientArea(FormWindow* window);
    void saveSize() const;

    std::string name_;
    std::string caption_;
    int widthTwips_;
    int heightTwips_;
    Sizing sizing_;
    std::string sizeKey_;
    MenuBar menuBar_;
    QPointer<FormWindow> window_;
    bool modal_ = false;
};

} // namespace zoret::ui
