#include <gtest/gtest.h>
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>

namespace {

// The smallest screen of the scoring table's laptops, so that windows size themselves as
// they would there.
constexpr const char* kScreen =
    R"({ "screens": [ { "name": "scoring-table", "x": 0, "y": 0, "width": 1366,)"
    R"( "height": 768, "logicalDpi": 96, "dpr": 1 } ] })";

QString writeScreenConfig() {
    const QString path = QDir::temp().filePath(
        QStringLiteral("orle-gui-tests-%1.json").arg(QCoreApplication::applicationPid()));
    QFile config(path);
    if (!config.open(QIODevice::WriteOnly) || config.write(kScreen) < 0) {
        return QString();
    }
    return path;
}

}  // namespace

// Windows are tested off screen; the platform must be chosen before the application exists.
int main(int argc, char* argv[]) {
    const QString config = writeScreenConfig();
    QByteArray platform("offscreen");
    if (!config.isEmpty()) {
        platform += ":configfile=" + QFile::encodeName(config);
    }
    qputenv("QT_QPA_PLATFORM", platform);
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    QFile::remove(config);
    return result;
}
