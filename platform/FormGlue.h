#pragma once

#include <QObject>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

// Small pieces of glue between the form descriptions and Qt, for the places
// where Qt widgets do not behave the way the forms were designed.
namespace Platform {

// Registers the forms' pictures and glyphs; call before setupUi.
void RegisterResources();

// After setupUi: applies the character heights and gives the controls
// marked "opaqueWhite" their white background.
void PrepareForm(QWidget *root);

// Every window is made at start-up and most are never shown, so what costs
// time is done when a window is first shown: its pictures (each "picture"
// property) are decoded and its static texts take the size of their text,
// which loads the window's fonts. Does nothing after the first time.
void PrepareForFirstShow(QWidget *root);

// A dialog's frame: fixed size, a title and a close box only.
void UseDialogFrame(QWidget *dialog);

// What every dialog does after setupUi: PrepareForm and its frame.
void PrepareDialog(QWidget *dialog);

// What every dialog does as it is shown: prepared on the first showing, and
// placed at `offset` from the anchor window (see PlaceRelativeTo).
void ShowDialogRelativeTo(QWidget *dialog, const QWidget *anchor, QPoint offset);

// Places a window's outer top-left corner at the anchor window's outer
// top-left plus `offset`, and keeps it above the anchor.
void PlaceRelativeTo(QWidget *window, const QWidget *anchor, QPoint offset);

// The form descriptions name Windows faces ("MS Sans Serif", "Tahoma",
// "Arial"). Where one is not installed, a close free face stands in for it.
void InstallFaceSubstitutes();

// Fonts in the form descriptions give a character height in pixels (the
// dynamic property "charHeight"), which a .ui font cannot hold. Applies it to
// the widget and every descendant that carries it.
void ApplyCharHeights(QWidget *root);

// A static text that sizes itself to its text, keeping its top-left corner.
void SetStaticText(QLabel *label, const QString &text);

// Grows the window so that its client area encloses every visible control,
// never below the designed client size. The client area sits inside a border.
void EncloseControls(QWidget *window, QWidget *clientArea, QSize designedClientSize, int border);

// How long tooltips stay up, in milliseconds, for every widget there is.
// Qt keeps this per widget, so it is applied to each.
void SetHintHidePause(int milliseconds);
int HintHidePause();

// Keeps a key from reaching the control's parents: Qt passes a key that a
// control ignores on to its parent widget, so a handler on the window would
// otherwise see keys typed into any of its controls.
class KeyStop : public QObject
{
public:
    KeyStop(QWidget *control, int key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int key_;
};

} // namespace Platform
