#include "gui/services.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>
#include <QThread>

namespace kv {

void Pause(int milliseconds, int scale) {
    QDeadlineTimer deadline(static_cast<qint64>(milliseconds) * scale);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(deadline.remainingTime()));
        QThread::msleep(5);
    }
}

QString QtFilter(const std::string& filter) {
    // "name|pattern|name|pattern": Qt shows the names, which carry their patterns.
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2) names << parts[i];
    return names.join(";;");
}

}  // namespace kv

// The pictures are compiled into the library; a static library must register them.
static void RegisterPictures() { Q_INIT_RESOURCE(kvprog); }

namespace kv {

void LoadPictures() {
    static const bool once = (RegisterPictures(), true);
    (void)once;
}

}  // namespace kv
