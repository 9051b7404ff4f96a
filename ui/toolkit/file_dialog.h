// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

// The one file-dialog seam: windows ask for a file name here, and a test
// answers in place of the user.
namespace zoret::ui {

enum class FileUse { Open, Save };

struct FileQuestion {
    FileUse use;
    std::string title;
    std::string filter; // "Таблицы CSV (*.csv)"
    std::string suggested; // a file name to start with, for saving
};

// The path the user chose, or nothing when he cancelled.
using FileChooser = std::function<std::optional<std::string>(QWidget* parent, const FileQuestion& question)>;

std::optional<std::string> chooseFile(QWidget* parent, const FileQuestion& question);

// Tests put their own answers in; an empty chooser brings Qt's dialog back.
void replaceFileChooser(FileChooser chooser);

// Writes the bytes whole or leaves the file as it was; nothing, or why not in Russian.
std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes);

} // namespace zoret::ui
