#include "SaneScanner.h"

#include "scanclient/ScannerWire.h"

#include <QImage>
#include <QSaveFile>

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <csignal>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

#include <pthread.h>

namespace {

std::atomic<SANE_Handle> scanning{nullptr};
std::atomic<bool> cancelRequested{false};

// SIGTERM and SIGINT cancel the scan. A signal handler would not do: many
// backends' reader threads set SIGTERM back to its default, which ends the
// process with the scanner still running. So both are blocked before SANE
// starts any thread, and taken by this thread alone, which calls
// sane_cancel as SANE allows from anywhere, so that a backend waiting in
// sane_read for the scanner stops at once.
class CancelWatcher
{
public:
    CancelWatcher()
    {
        sigemptyset(&signals_);
        sigaddset(&signals_, SIGTERM);
        sigaddset(&signals_, SIGINT);
        pthread_sigmask(SIG_BLOCK, &signals_, nullptr);
        thread_ = std::thread([this] {
            const timespec poll{0, 100L * 1000 * 1000};
            while (!done_) {
                if (sigtimedwait(&signals_, nullptr, &poll) > 0) {
                    cancelRequested = true;
                    if (SANE_Handle handle = scanning.load())
                        sane_cancel(handle);
                }
            }
        });
    }
    ~CancelWatcher()
    {
        done_ = true;
        thread_.join();
    }
    CancelWatcher(const CancelWatcher &) = delete;
    CancelWatcher &operator=(const CancelWatcher &) = delete;

private:
    sigset_t signals_{};
    std::atomic<bool> done_{false};
    std::thread thread_;
};

// sane_init and sane_exit around everything the helper asks of SANE.
struct SaneSession
{
    SANE_Status status = sane_init(nullptr, nullptr);
    SaneSession() = default;
    ~SaneSession() { sane_exit(); }
    SaneSession(const SaneSession &) = delete;
    SaneSession &operator=(const SaneSession &) = delete;
};

ScannerAnswer Refused(ScannerProblem problem, const QString &detail = {})
{
    return {ScannerRefusalAsJson(problem, detail), 1};
}

ScannerAnswer Refused(SANE_Status status)
{
    if (cancelRequested || status == SANE_STATUS_CANCELLED)
        return Refused(ScannerProblem::Cancelled);
    if (status == SANE_STATUS_DEVICE_BUSY)
        return Refused(ScannerProblem::Busy);
    return Refused(ScannerProblem::DeviceFailed, QString::fromUtf8(sane_strstatus(status)));
}

struct Option
{
    SANE_Int index;
    const SANE_Option_Descriptor *descriptor;
};

// The option by its well-known name, if the scanner has it and lets it be set.
std::optional<Option> SettableOption(SANE_Handle handle, const char *name)
{
    for (SANE_Int index = 1;; ++index) {
        const SANE_Option_Descriptor *descriptor = sane_get_option_descriptor(handle, index);
        if (!descriptor)
            return std::nullopt;
        if (descriptor->name && std::strcmp(descriptor->name, name) == 0) {
            if (SANE_OPTION_IS_ACTIVE(descriptor->cap) && SANE_OPTION_IS_SETTABLE(descriptor->cap))
                return Option{index, descriptor};
            return std::nullopt;
        }
    }
}

double Number(const SANE_Option_Descriptor *descriptor, SANE_Word word)
{
    return descriptor->type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : double(word);
}

SANE_Word Word(const SANE_Option_Descriptor *descriptor, double number)
{
    return descriptor->type == SANE_TYPE_FIXED ? SANE_FIX(number) : SANE_Word(std::lround(number));
}

// The value the option's constraint allows nearest `wanted`.
SANE_Word Nearest(const SANE_Option_Descriptor *descriptor, double wanted)
{
    if (descriptor->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const SANE_Word *list = descriptor->constraint.word_list;
        SANE_Word best = list[0] > 0 ? list[1] : Word(descriptor, wanted);
        for (SANE_Word i = 1; i <= list[0]; ++i)
            if (std::abs(Number(descriptor, list[i]) - wanted) < std::abs(Number(descriptor, best) - wanted))
                best = list[i];
        return best;
    }
    if (descriptor->constraint_type == SANE_CONSTRAINT_RANGE) {
        const SANE_Range &range = *descriptor->constraint.range;
        SANE_Word word = std::clamp(Word(descriptor, wanted), range.min, range.max);
        if (range.quant > 0)
            word = range.min + SANE_Word(std::lround(double(word - range.min) / range.quant)) * range.quant;
        return std::min(word, range.max);
    }
    return Word(descriptor, wanted);
}

bool SetWord(SANE_Handle handle, const Option &option, SANE_Word word)
{
    return sane_control_option(handle, option.index, SANE_ACTION_SET_VALUE, &word, nullptr) == SANE_STATUS_GOOD;
}

// One end of a geometry option's range: the whole bed.
void SetToEnd(SANE_Handle handle, const char *name, bool lowest)
{
    const std::optional<Option> option = SettableOption(handle, name);
    if (option && option->descriptor->constraint_type == SANE_CONSTRAINT_RANGE) {
        const SANE_Range &range = *option->descriptor->constraint.range;
        SetWord(handle, *option, lowest ? range.min : range.max);
    }
}

// Grey where the scanner offers it (by SANE's name or a backend's own
// spelling of it), else colour; 8 bits a sample.
void SetGreyMode(SANE_Handle handle)
{
    if (const std::optional<Option> mode = SettableOption(handle, SANE_NAME_SCAN_MODE);
        mode && mode->descriptor->constraint_type == SANE_CONSTRAINT_STRING_LIST) {
        const SANE_String_Const *modes = mode->descriptor->constraint.string_list;
        const SANE_String_Const *chosen = nullptr;
        for (const char *wanted : {"gray", "grey", "color", "colour"}) {
            for (const SANE_String_Const *each = modes; *each && !chosen; ++each)
                if (QString::fromUtf8(*each).contains(QLatin1String(wanted), Qt::CaseInsensitive))
                    chosen = each;
            if (chosen)
                break;
        }
        if (chosen) {
            // The backend reads the option's whole size.
            QByteArray value(*chosen);
            value.append(std::max<qsizetype>(1, mode->descriptor->size - value.size()), '\0');
            sane_control_option(handle, mode->index, SANE_ACTION_SET_VALUE, value.data(), nullptr);
        }
    }
    if (const std::optional<Option> depth = SettableOption(handle, SANE_NAME_BIT_DEPTH))
        SetWord(handle, *depth, Nearest(depth->descriptor, 8));
}

// Sets the resolution nearest `dpi` and answers the one the scanner took.
double SetResolution(SANE_Handle handle, int dpi)
{
    const std::optional<Option> option = SettableOption(handle, SANE_NAME_SCAN_RESOLUTION);
    if (!option)
        return 0;
    SetWord(handle, *option, Nearest(option->descriptor, dpi));
    SANE_Word taken = 0;
    if (sane_control_option(handle, option->index, SANE_ACTION_GET_VALUE, &taken, nullptr) != SANE_STATUS_GOOD)
        return 0;
    return Number(option->descriptor, taken);
}

// The frame as an image: grey or RGB, 1, 8 or 16 bits a sample, each line
// `bytes_per_line` long (a backend may pad it).
QImage FrameImage(const SANE_Parameters &parameters, const QByteArray &data)
{
    const int width = parameters.pixels_per_line;
    const int height = int(data.size() / std::max(1, parameters.bytes_per_line));
    const bool rgb = parameters.format == SANE_FRAME_RGB;
    QImage image;
    if (parameters.depth == 1 && !rgb) {
        image = QImage(width, height, QImage::Format_Mono);
        // SANE's line art: 1 is black.
        image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    } else if (parameters.depth == 8) {
        image = QImage(width, height, rgb ? QImage::Format_RGB888 : QImage::Format_Grayscale8);
    } else if (parameters.depth == 16 && !rgb) {
        image = QImage(width, height, QImage::Format_Grayscale16);
    } else if (parameters.depth == 16) {
        // 16-bit colour kept to its high bytes, as 8-bit colour.
        image = QImage(width, height, QImage::Format_RGB888);
        for (int y = 0; y < height; ++y) {
            const auto *samples = reinterpret_cast<const quint16 *>(data.constData() + qsizetype(y) * parameters.bytes_per_line);
            uchar *line = image.scanLine(y);
            for (int i = 0; i < width * 3; ++i)
                line[i] = uchar(samples[i] >> 8);
        }
        return image;
    } else {
        return {};
    }
    const qsizetype lineBytes = std::min<qsizetype>(image.bytesPerLine(), parameters.bytes_per_line);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), data.constData() + qsizetype(y) * parameters.bytes_per_line, size_t(lineBytes));
    return image;
}

struct OpenDevice
{
    SANE_Handle handle = nullptr;
    ~OpenDevice()
    {
        if (!handle)
            return;
        scanning.store(nullptr);
        sane_cancel(handle);
        sane_close(handle);
    }
};

} // namespace

ScannerAnswer ListScanners()
{
    const SaneSession session;
    if (session.status != SANE_STATUS_GOOD)
        return Refused(session.status);
    const SANE_Device **found = nullptr;
    // Network scanners too: most scanners sold now are reached that way.
    const SANE_Status status = sane_get_devices(&found, SANE_FALSE);
    if (status != SANE_STATUS_GOOD)
        return Refused(status);
    QList<ScannerDevice> devices;
    for (const SANE_Device **device = found; device && *device; ++device)
        devices.append({QString::fromUtf8((*device)->name), QString::fromUtf8((*device)->vendor),
                        QString::fromUtf8((*device)->model), QString::fromUtf8((*device)->type)});
    return {ScannerDevicesAsJson(devices), 0};
}

ScannerAnswer AcquireScan(const QString &device, int dpi, const QString &file,
                          const std::function<void(double)> &progress)
{
    const CancelWatcher watcher;
    const SaneSession session;
    if (session.status != SANE_STATUS_GOOD)
        return Refused(session.status);
    OpenDevice open;
    const SANE_Status opened = sane_open(device.toUtf8().constData(), &open.handle);
    if (opened != SANE_STATUS_GOOD) {
        open.handle = nullptr;
        // The dll backend answers a name no backend knows with INVAL.
        return opened == SANE_STATUS_INVAL ? Refused(ScannerProblem::NoSuchDevice, device) : Refused(opened);
    }
    scanning.store(open.handle);
    if (cancelRequested)
        return Refused(ScannerProblem::Cancelled);

    SetGreyMode(open.handle);
    const double taken = SetResolution(open.handle, dpi);
    SetToEnd(open.handle, SANE_NAME_SCAN_TL_X, true);
    SetToEnd(open.handle, SANE_NAME_SCAN_TL_Y, true);
    SetToEnd(open.handle, SANE_NAME_SCAN_BR_X, false);
    SetToEnd(open.handle, SANE_NAME_SCAN_BR_Y, false);

    const SANE_Status started = sane_start(open.handle);
    if (started != SANE_STATUS_GOOD)
        return Refused(started);
    SANE_Parameters parameters{};
    const SANE_Status described = sane_get_parameters(open.handle, &parameters);
    if (described != SANE_STATUS_GOOD)
        return Refused(described);
    // Three-pass scanners send colour as three frames; none is still sold.
    if (!parameters.last_frame || (parameters.format != SANE_FRAME_GRAY && parameters.format != SANE_FRAME_RGB))
        return Refused(ScannerProblem::DeviceFailed, QStringLiteral("a scan in separate colour frames"));

    // A hand scanner does not know its height (-1): then no progress.
    const qint64 expected = parameters.lines > 0 ? qint64(parameters.lines) * parameters.bytes_per_line : 0;
    QByteArray data;
    if (expected > 0)
        data.reserve(expected);
    std::vector<SANE_Byte> buffer(1 << 16);
    int shownPercent = -1;
    for (;;) {
        SANE_Int length = 0;
        const SANE_Status status = sane_read(open.handle, buffer.data(), SANE_Int(buffer.size()), &length);
        if (cancelRequested)
            return Refused(ScannerProblem::Cancelled);
        if (status == SANE_STATUS_EOF)
            break;
        if (status != SANE_STATUS_GOOD)
            return Refused(status);
        data.append(reinterpret_cast<const char *>(buffer.data()), length);
        if (expected > 0) {
            const int percent = int(100 * std::min<qint64>(data.size(), expected) / expected);
            if (percent > shownPercent) {
                shownPercent = percent;
                progress(percent / 100.0);
            }
        }
    }
    QImage image = FrameImage(parameters, data);
    if (image.isNull())
        return Refused(ScannerProblem::DeviceFailed,
                       QStringLiteral("%1 bits a sample").arg(parameters.depth));
    const double resolution = taken > 0 ? taken : dpi;
    const int dotsPerMetre = int(std::lround(resolution / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    if (cancelRequested)
        return Refused(ScannerProblem::Cancelled);
    QSaveFile saved(file);
    if (!saved.open(QIODevice::WriteOnly) || !image.save(&saved, "PNG") || !saved.commit())
        return Refused(ScannerProblem::NotSaved, saved.errorString());
    return {ScannerSavedAsJson(file, resolution, image.width(), image.height()), 0};
}
