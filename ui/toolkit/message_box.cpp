// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/message_box.h"

#include "ui/toolkit/pictures.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace zoret::ui {

void MsgBox(QWidget* parent, const std::string& prompt, MsgBoxIcon icon, const std::string& title)
{
    const QMessageBox::Icon shown = icon == MsgBoxIcon::Warning       ? QMessageBox::Warning
                                    : icon == MsgBoxIcon::Information ? QMessageBox::Information
                                                                      : QMessageBox::NoIcon;
    QMessageBox box(shown, QString::fromStdString(title), QString::fromStdString(prompt), QMessageBox::Ok, parent);
    box.setObjectName("MsgBox");
    // A message has nothing to maximise.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box.exec();
}

bool AskYesNo(QWidget* parent, const std::string& prompt, bool yesByDefault, const std::string& title)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(prompt),
                    QMessageBox::NoButton, parent);
    box.setObjectName("MsgBox");
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yesByDefault ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void AboutBox(QWidget* parent, const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                    parent);
    box.setObjectName("AboutBox");
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box.setIconPixmap(windowIcon().pixmap(32, 32));
    QPushButton* aboutQt = box.addButton(QStringLiteral("О Qt"), QMessageBox::ActionRole);
    // Any button closes a message box: the box comes back after Qt's own.
    while (box.exec(), box.clickedButton() == aboutQt)
        QMessageBox::aboutQt(parent, QStringLiteral("О Qt"));
}

} // namespace zoret::ui
