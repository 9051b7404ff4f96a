// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/file_dialog.h"

#include "ui/toolkit/controls.h"

#include <QFileDialog>
#include <QSaveFile>

namespace zoret::ui {

namespace {

FileChooser& replacement()
{
    static FileChooser chooser;
    return chooser;
}

} // namespace

std::optional<std::string> chooseFile(QWidget* parent, const FileQuestion& question)
{
    if (replacement())
        return replacement()(parent, question);
    const QString title = toQString(question.title), filter = toQString(question.filter);
    const QString path = question.use == FileUse::Open
                             ? QFileDialog::getOpenFileName(parent, title, {}, filter)
                             : QFileDialog::getSaveFileName(parent, title, toQString(question.suggested), filter);
    return path.isEmpty() ? std::nullopt : std::optional(toStdString(path));
}

void replaceFileChooser(FileChooser chooser) { replacement() = std::move(chooser); }

std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes)
{
    QSaveFile file(toQString(path));
    if (file.open(QIODevice::WriteOnly)
        && file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
        && file.commit())
        return std::nullopt;
    return "Файл " + path + " не записан: " + toStdString(file.errorString());
}

} // namespace zoret::ui
