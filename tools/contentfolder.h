#pragma once

#include "test.h"

// A content folder: questions.gift with the questions, settings.txt with the
// six settings rows, and pictures/NN.jpg, the picture of question NN counted
// from 1. Reading checks every limit a run relies on and throws ContentError
// at the first fault.
class ContentFolder
{
public:
    static constexpr int PictureWidth = 225;
    static constexpr int PictureHeight = 137;

    // Pictures are named in the content by their resource path under this prefix.
    static QString resourcePrefix() { return QStringLiteral(":/content/pictures/"); }

    static Test read(const QString &folder);
};
