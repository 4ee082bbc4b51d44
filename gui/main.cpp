#include "app/ProgramArguments.h"
#include "app/frmMain.h"
#include "db/ORLEMain.h"
#include "widgets/ProgramIcon.h"
#include "widgets/WidgetPrompter.h"

#include <QApplication>
#include <cstdio>

namespace {

constexpr int kExitUsage = 2;

QStringList argumentWords(int argc, char* argv[]) {
    QStringList words;
    for (int i = 1; i < argc; ++i) {
        words << QString::fromLocal8Bit(argv[i]);
    }
    return words;
}

void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Help and version are answered before any window system is needed.
    const ProgramArguments early = ProgramArguments::Read(argumentWords(argc, argv));
    if (early.action == ProgramArguments::Action::Help) {
        print(stdout, ProgramArguments::HelpText());
        return 0;
    }
    if (early.action == ProgramArguments::Action::Version) {
        print(stdout, ProgramArguments::VersionText());
        return 0;
    }

    // A word that is wrong and cannot be one of Qt's own is a usage error even where no
    // window system can be reached.
    if (early.action == ProgramArguments::Action::Wrong &&
        !ProgramArguments::MayBeQtOption(early.wrongWord)) {
        print(stderr, QStringLiteral("orle: ") + early.complaint);
        print(stderr, ProgramArguments::UsageLine());
        return kExitUsage;
    }
    QApplication app(argc, argv);
    // Qt has taken its own options (-platform, -style ...) out of the arguments by now.
    const ProgramArguments given = ProgramArguments::Read(QApplication::arguments().mid(1));
    if (given.action == ProgramArguments::Action::Wrong) {
        print(stderr, QStringLiteral("orle: ") + given.complaint);
        print(stderr, ProgramArguments::UsageLine());
        return kExitUsage;
    }
    QApplication::setOrganizationName(QStringLiteral("Quillon Works"));
    QApplication::setApplicationName(QStringLiteral("ORLE"));
    QApplication::setApplicationDisplayName(
        QStringLiteral("ORLE Fencing Championship Scoring System"));
    QApplication::setWindowIcon(ProgramIcon());
    // The desktop entry's name, so the desktop matches the window to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillonworks.orle"));

    ORLEMain state(std::make_unique<RegistrySettings>());
    WidgetPrompter prompter;
    frmMain window(state, prompter);
    window.show();
    window.Form_Load(given.path);
    return QApplication::exec();
}
