#pragma once

#include <QApplication>
#include <QWidget>

#include <memory>
#include <vector>

// The application object: it owns the program's windows for the whole run
// and shows an exception that escapes an event handler in the error box,
// after which the program goes on.
class MicrApplication : public QApplication
{
public:
    MicrApplication(int &argc, char **argv);
    ~MicrApplication() override;

    // Takes ownership of a window; windows are released, newest first,
    // when the application object goes.
    template <class Window> Window *Adopt(std::unique_ptr<Window> window)
    {
        windows_.emplace_back(std::move(window));
        return static_cast<Window *>(windows_.back().get());
    }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    std::vector<std::unique_ptr<QWidget>> windows_;
};
