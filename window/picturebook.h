#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

// The pictures the questions of a test name (Question::picture), as the window
// shows them. The built-in test names resources embedded in the program,
// decoded the first time one is shown, so that the program starts without
// decoding any; a test read from a folder comes with its pictures decoded
// and checked, and names nothing else.
class PictureBook
{
public:
    // Pictures named by their resource paths.
    PictureBook() = default;
    // Exactly these pictures, by name.
    explicit PictureBook(const QHash<QString, QImage> &pictures);

    // The picture `name` names, the same for every question that names it;
    // none for the empty name.
    QPixmap picture(const QString &name);

private:
    QHash<QString, QPixmap> m_pictures;
    bool m_embedded = true;
};
