// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/message_box.h"

#include <QMessageBox>

namespace zoret::ui {

void MsgBox(QWidget* parent, const std::string& prompt, MsgBoxIcon icon, const std::string& title)
{
    QMessageBox box(icon == MsgBoxIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromStdString(title), QString::fromStdString(prompt), QMessageBox::Ok, parent);
    box.setObjectName("MsgBox");
    // A message has nothing to maximise.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box.exec();
}

} // namespace zoret::ui
