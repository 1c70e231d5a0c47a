#pragma once

#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <QString>

// What the widget tests expect to see in a check's result box, and the messages it may raise.
inline const QString kRopeMessage = QStringLiteral("请选择钢丝绳直径和钢丝绳公称抗拉强度");
inline const QString kForceMessage = QStringLiteral("请输入钢丝绳受力");
inline const QString kPurposeMessage = QStringLiteral("请选择钢丝绳用途或输入规程要求倍数");
inline const QString kTooWeak = QStringLiteral("重选钢丝绳");
inline const QColor kWhite(255, 255, 255);
inline const QColor kRed(255, 0, 0);

inline QColor background(const QLineEdit *box)
{
    return box->palette().color(QPalette::Base);
}

// Puts the red warning into a result box, so that a reset that empties or whitens it shows.
inline void showRedWarning(QLineEdit *box)
{
    QPalette red = box->palette();
    red.setColor(QPalette::Base, kRed);
    box->setPalette(red);
    box->setText(kTooWeak);
}
