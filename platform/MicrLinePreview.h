#pragma once

#include "answers/MicrLine.h"

#include <QWidget>

namespace Platform {

// A MICR line drawn on the 65-position scale, position 1 at the right: each
// character in its cell in the MICR face, every fifth cell numbered, each
// field bracketed and named under the scale.
class MicrLinePreview : public QWidget
{
public:
    explicit MicrLinePreview(QWidget *parent = nullptr);

    void SetLine(const MicrLine &line, const QString &face);
    const MicrLine &Line() const { return line_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    MicrLine line_;
    QString face_;
};

} // namespace Platform
