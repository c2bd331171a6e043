#pragma once

// Copies a skin widget's state onto its hover-aware twin.

class QAbstractButton;
class QLabel;
class QWidget;

class HoverState
{
public:
    static void copyWidget(QWidget *from, QWidget *to);
    static void copyButton(QAbstractButton *from, QAbstractButton *to);
    static void copyLabel(QLabel *from, QLabel *to);
};
