#include "picturebook.h"

PictureBook::PictureBook(const QHash<QString, QImage> &pictures) : m_embedded(false)
{
    for (auto picture = pictures.begin(); picture != pictures.end(); ++picture)
        m_pictures.insert(picture.key(), QPixmap::fromImage(picture.value()));
}

QPixmap PictureBook::picture(const QString &name)
{
    if (name.isEmpty())
        return {};
    if (const auto found = m_pictures.constFind(name); found != m_pictures.constEnd())
        return *found;
    if (!m_embedded)
        return {};
    QPixmap picture;
    picture.load(name, "JPEG");
    m_pictures.insert(name, picture);
    return picture;
}
