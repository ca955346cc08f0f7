#pragma once
// Pictures of the windows in the build folder's gallery, for people to look at.
#include <QDir>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

inline QString GalleryFile(const QString& name)
{
    const QString folder = qEnvironmentVariable("TW_BINARY_DIR") + QStringLiteral("/gallery/");
    QDir().mkpath(folder);
    return folder + name;
}

inline void SaveToGallery(const QImage& picture, const QString& name)
{
    EXPECT_TRUE(picture.save(GalleryFile(name + QStringLiteral(".png")))) << name.toStdString();
}
inline void SaveToGallery(QWidget* widget, const QString& name) { SaveToGallery(widget->grab().toImage(), name); }
