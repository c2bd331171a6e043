#pragma once

// What assistive technology (UI Automation on Windows, AT-SPI elsewhere) reads of the skinned
// window. A skin names nothing for a screen reader, so the window supplies what it knows: which
// images only decorate, what a row's status belongs to, how far a download has come.

class QLabel;
class QString;
class QWidget;

class SkinAccessibility
{
public:
    // Registers the interfaces below with Qt's accessibility; once per program.
    static void install();

    // Leaves widget out of the tree a screen reader walks (an image that only decorates).
    // Works for the children of plain container widgets, which is what skins are made of.
    static void hideFromTree(QWidget *widget);
    static bool isHiddenFromTree(const QWidget *widget);
    // Every label below root that shows no text and has no accessible name only decorates.
    static void hideDecorations(QWidget *root);

    // A page is read by its heading: the text of its top-most label, unless the skin named it.
    static void nameByHeading(QWidget *page);

    // A row's status label is read with its row's name ("Scanner driver: Installed!").
    static void tieStatusToRow(QLabel *status, const QString &rowName);
    // While percent is 0 to 100 the status label is a progress bar with that value; below 0 it
    // is text again.
    static void setProgress(QLabel *status, int percent);
    static int progress(const QLabel *status);

    // A tool tip may be rich text; what is read aloud must not be its markup.
    static QString plainText(const QString &richText);
    // The accessible description of widget from its tool tip, as plain text.
    static void describeByToolTip(QWidget *widget);
};
