#include "forms/picture.h"

#include <QImageReader>

namespace forms {

struct Picture::Data {
    QString path;
    QString description;
    mutable QImage image;
    mutable QSize size;
    mutable bool decoded = false;
};

Picture Picture::fromFile(const QString& path, const QString& description)
{
    Picture p;
    p.data_ = std::make_shared<Data>();
    p.data_->path = path;
    p.data_->description = description;
    return p;
}

Picture Picture::fromImage(const QImage& image)
{
    Picture p;
    p.data_ = std::make_shared<Data>();
    p.data_->image = image;
    p.data_->size = image.size();
    p.data_->decoded = true;
    return p;
}

QSize Picture::pixelSize() const
{
    if (!data_)
        return {};
    if (!data_->decoded && !data_->size.isValid())
        data_->size = QImageReader(data_->path).size();
    return data_->decoded ? data_->image.size() : data_->size;
}

const QImage& Picture::image() const
{
    static const QImage none;
    if (!data_)
        return none;
    if (!data_->decoded) {
        data_->image = QImage(data_->path);
        data_->decoded = true;
    }
    return data_->image;
}

QString Picture::source() const { return data_ ? data_->path : QString(); }

QString Picture::description() const { return data_ ? data_->description : QString(); }

}  // namespace forms
