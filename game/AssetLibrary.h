#pragma once
// The game's data by name: decoded pictures and raw bytes (recordings, fonts, vector art).
// The host fills it once at start-up from the embedded container; tests fill it with small fixtures.
// A name that was never added answers with a null picture / empty bytes, so the caller decides
// whether that is an error (start-up) or a placeholder (tests).

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

namespace valdorn {

class AssetLibrary {
public:
    void addImage(const QString& name, QImage image);
    void addData(const QString& name, QByteArray bytes);

    [[nodiscard]] bool hasImage(const QString& name) const { return images_.contains(name); }
    [[nodiscard]] bool hasData(const QString& name) const { return data_.contains(name); }
    // A null image when absent.
    [[nodiscard]] const QImage& image(const QString& name) const;
    // Empty when absent.
    [[nodiscard]] QByteArray data(const QString& name) const { return data_.value(name); }
    [[nodiscard]] QStringList imageNames() const { return images_.keys(); }
    [[nodiscard]] QStringList dataNames() const { return data_.keys(); }

private:
    QHash<QString, QImage> images_;
    QHash<QString, QByteArray> data_;
};

}  // namespace valdorn
