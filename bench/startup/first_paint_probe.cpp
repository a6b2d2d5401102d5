// A Qt generic plugin that ends a program at its first painted frame, for the start-up
// benchmark. Loaded into any Qt program by QT_QPA_GENERIC_PLUGINS=firstpaint (with this
// plugin's directory on QT_PLUGIN_PATH), so the program measured is the one shipped, not a
// variant of it. It watches every event; after the first paint event of a widget it lets
// the frame reach the window system, writes the CLOCK_MONOTONIC time in nanoseconds to the
// file descriptor named by ZELMARINO_FIRST_PAINT_FD and ends the process at once.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>

#include <cstdlib>
#include <ctime>
#include <string>
#include <unistd.h>

namespace {

class FirstPaintProbe final : public QObject {
public:
    explicit FirstPaintProbe(QObject* parent = nullptr)
        : QObject(parent) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()) {
            m_seen = true;
            // Painting and flushing the backing store happen in one pass of the event
            // loop; an event posted now is delivered only after it, once the frame is sent.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        return false;
    }

    void customEvent(QEvent* /*event*/) override { report(); }

private:
    static void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long nanoseconds = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
        const std::string line = std::to_string(nanoseconds) + "\n";
        if (const char* fd = std::getenv("ZELMARINO_FIRST_PAINT_FD")) {
            [[maybe_unused]] const auto written = write(std::atoi(fd), line.data(), line.size());
        }
        std::_Exit(0);
    }

    bool m_seen = false;
};

} // namespace

class FirstPaintPlugin final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_paint_probe.json")

public:
    QObject* create(const QString& key, const QString& /*parameters*/) override {
        return key == QStringLiteral("firstpaint") ? new FirstPaintProbe : nullptr;
    }
};

#include "first_paint_probe.moc"
