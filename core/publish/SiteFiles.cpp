#include "publish/SiteFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool holds(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.size() != bytes.size() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return file.readAll() == bytes;
}

Status failed(const QString& path, const QString& why) {
    return Status::failure(QStringLiteral("Could not write the live results file %1: %2")
                               .arg(QDir::toNativeSeparators(path), why));
}

Status writeOne(const QDir& folder, const SiteFile& file) {
    const QString target = folder.filePath(file.name);
    const QString staged = folder.filePath(
        QStringLiteral(".%1.%2.tmp").arg(file.name).arg(QCoreApplication::applicationPid()));
    QFile out(staged);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return failed(target, out.errorString());
    }
    const bool complete = out.write(file.bytes) == file.bytes.size() && out.flush();
    const QString writeError = out.errorString();
    out.close();
    if (!complete) {
        QFile::remove(staged);
        return failed(target, writeError);
    }
    // rename() replaces the old page in one step; QFile::rename would refuse an existing one.
    if (std::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) !=
        0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(staged);
        return failed(target, why);
    }
    return Status::success();
}

}  // namespace

Status WriteSiteFiles(const QString& folder, const std::vector<SiteFile>& files, int* written) {
    int replaced = 0;
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        return Status::failure(QStringLiteral("Could not make the live results folder %1.")
                                   .arg(QDir::toNativeSeparators(folder)));
    }
    for (const SiteFile& file : files) {
        if (holds(dir.filePath(file.name), file.bytes)) {
            continue;
        }
        if (Status s = writeOne(dir, file); !s) {
            return s;
        }
        ++replaced;
    }
    if (written != nullptr) {
        *written = replaced;
    }
    return Status::success();
}
