#include "entry/EntryMenus.h"

#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"

#include <QActionGroup>
#include <QDialog>
#include <QMenuBar>

namespace {

template <size_t N>
void makeExclusive(QDialog* window, const std::array<QAction*, N>& items) {
    auto* group = new QActionGroup(window);
    for (QAction* item : items) {
        item->setCheckable(true);
        group->addAction(item);
    }
}

}  // namespace

EntryMenus::EntryMenus(QDialog* window, bool withSave) {
    bar = new QMenuBar(window);

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    if (withSave) {
        mSave = NamedAction(file->addAction(QStringLiteral("&Save")), QStringLiteral("mSave"));
        mSave->setShortcut(QKeySequence::Save);
    }
    mHistory =
        NamedAction(file->addAction(QStringLiteral("&History...")), QStringLiteral("mHistory"));
    file->addSeparator();
    mExit = NamedAction(file->addAction(QStringLiteral("E&xit")), QStringLiteral("mExit"));

    QMenu* weapon = bar->addMenu(QStringLiteral("&Weapon"));
    for (int w = 0; w < 6; ++w) {
        mWeapon[w] = NamedAction(weapon->addAction(QString()), QStringLiteral("mWeapon%1").arg(w));
        // The keypad digits reach the same items: Qt retries a shortcut without the
        // keypad modifier.
        mWeapon[w]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + w)));
        window->addAction(mWeapon[w]);
    }
    makeExclusive(window, mWeapon);

    QMenu* round = bar->addMenu(QStringLiteral("&Round"));
    mPrevRound =
        NamedAction(round->addAction(QStringLiteral("&Previous")), QStringLiteral("mPrevRound"));
    mNextRound =
        NamedAction(round->addAction(QStringLiteral("&Next")), QStringLiteral("mNextRound"));
    round->addSeparator();
    for (int r = 0; r < 7; ++r) {
        mRound[r] = NamedAction(round->addAction(QStringLiteral("Round &%1").arg(r + 1)),
                                QStringLiteral("mRound%1").arg(r));
    }
    makeExclusive(window, mRound);
    round->addSeparator();
    mFinalFour =
        NamedAction(round->addAction(QStringLiteral("&Final Four")), QStringLiteral("mFinalFour"));

    // Alt+S belongs to the Save button of the dual window.
    QMenu* strips = bar->addMenu(QStringLiteral("S&trips"));
    mPrevStrip =
        NamedAction(strips->addAction(QStringLiteral("&Previous")), QStringLiteral("mPrevStrip"));
    mNextStrip =
        NamedAction(strips->addAction(QStringLiteral("&Next")), QStringLiteral("mNextStrip"));
    strips->addSeparator();
    for (int s = 0; s < 4; ++s) {
        mStrip[s] = NamedAction(strips->addAction(QStringLiteral("Strip Set %1").arg(s + 1)),
                                QStringLiteral("mStrip%1").arg(s));
    }
    makeExclusive(window, mStrip);

    mAbout = AddHelpMenu(bar, window);
}

void EntryMenus::setEventNames(const QStringList& names) {
    for (int w = 0; w < 6 && w < names.size(); ++w) {
        mWeapon[w]->setText(names[w]);
    }
}

void EntryMenus::setStripNames(const QStringList& names) {
    for (int s = 0; s < 4 && s < names.size(); ++s) {
        mStrip[s]->setText(QStringLiteral("Strip &") + names[s]);
    }
}

void EntryMenus::check(int weapon, int round, int stripSet) {
    mWeapon[weapon]->setChecked(true);
    if (round >= 0 && round < 7) {
        mRound[round]->setChecked(true);
    }
    mStrip[stripSet]->setChecked(true);
}

QString EntryMenus::plain(const QString& caption) {
    QString text = caption;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

QString EntryMenus::eventName(int weapon) const {
    return mWeapon[weapon]->text();
}

QString EntryMenus::roundName(int round) const {
    return plain(mRound[round]->text());
}

QString EntryMenus::stripName(int stripSet) const {
    return plain(mStrip[stripSet]->text());
}
