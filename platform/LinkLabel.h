#pragma once

#include <QLabel>

// A static text that acts as a web link: a click, or Enter or Space while it
// has the keyboard focus, emits clicked(). The link that has the focus shows
// the style's focus frame.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
