// A main window with a fake desktop, and the key dialog opened from it.
#pragma once

#include <QFile>

#include "app/form1.h"
#include "fakeplatform.h"
#include "keys/gyari.h"
#include "platform/windows1250.h"

namespace kombinator::test {

struct KeyDesk {
    FakePlatform platform;
    Form1 form{platform};

    // Writes the key library (text written in Windows-1250) or a key file of the key folder.
    void writeLibrary(const QString& text) {
        platform.writeFile(QStringLiteral("tkulcs/tippek.inf"), cp1250(text));
    }
    void writeKey(const QString& name, const QByteArray& bytes) {
        platform.writeFile(QStringLiteral("tkulcs/") + name, bytes);
    }
    QByteArray libraryBytes() const {
        QFile file(platform.folder + QStringLiteral("/tkulcs/tippek.inf"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Presses the key button with `tips` tips and returns the dialog it shows (null for none).
    gyari* open(int tips) {
        form.module1.tipCount = static_cast<qint16>(tips);
        form.Command6.click();
        return qobject_cast<gyari*>(form.gyariDialog());
    }

    static QByteArray cp1250(const QString& text) {
        return files::encodeWindows1250(text).value_or(QByteArray());
    }
};

}  // namespace kombinator::test
