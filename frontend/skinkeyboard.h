#pragma once

// Keyboard use of a skinned page: a skin is drawn for the mouse, so its Tab chain follows the
// form's object order (and copies made at run time land at its end). These put the chain into
// reading order and give each page a sensible first focus.

#include <QList>

class QWidget;

class SkinKeyboard
{
public:
    // The controls below page that take focus by Tab, in reading order: lines top to bottom,
    // left to right within a line (a control belongs to a line when its top lies above the
    // middle of the line's first control).
    static QList<QWidget *> readingOrder(QWidget *page);
    // Chains the page's controls in reading order, after those already chained by earlier calls.
    static void orderTabs(QWidget *page);
    // Focus to the first control of the page a user can use now; false when there is none.
    static bool focusFirstControl(QWidget *page);
    // Labels with links take focus by Tab and open their link with Enter.
    static void makeLinksReachable(QWidget *root);
    // Alt and a letter of its text press each push button of the page: the first letter, in
    // reading order, that no earlier button of the page took. Only letters a keyboard types in any
    // layout (A to Z) qualify; a button without one gets none. The skin's texts stay as drawn.
    // QAbstractButton::setText drops a button's shortcut: call it again after a text changes.
    static void assignShortcuts(QWidget *page);
    // Enter or Return on a focused button presses it, as Space does; false for anything else.
    static bool activate(QWidget *focused);
};
