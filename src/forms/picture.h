#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

namespace forms {

// A picture handle. Copies share one image, so "is this the same picture" is a
// handle comparison. The image is decoded on first use: start-up only names
// the lesson's pictures, it does not decode them.
class Picture {
public:
    Picture() = default;
    // description: what the picture shows, in a few words, for screen readers.
    static Picture fromFile(const QString& path, const QString& description = {});
    static Picture fromImage(const QImage& image);

    bool isNull() const { return !data_; }
    bool sameAs(const Picture& other) const { return data_ == other.data_; }

    // Size in pixels; reads only the file header when not yet decoded.
    QSize pixelSize() const;
    const QImage& image() const;
    QString source() const;
    QString description() const;

private:
    struct Data;
    std::shared_ptr<Data> data_;
};

// One pixel of a lesson picture stands for 15 twips (96 dots per inch).
constexpr int TwipsPerPicturePixel = 15;

}  // namespace forms
