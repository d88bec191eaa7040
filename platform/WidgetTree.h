#pragma once

#include <QWidget>

namespace Platform {

// Calls `visit` on `root` and on every widget below it.
template <class Visit> void ForWidgetTree(QWidget *root, Visit &&visit)
{
    visit(root);
    const auto descendants = root->findChildren<QWidget *>();
    for (QWidget *widget : descendants)
        visit(widget);
}

} // namespace Platform
