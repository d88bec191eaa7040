#pragma once

#include <QString>

// Runs with the working directory switched to `dir`.
class WorkingDirectory
{
public:
    explicit WorkingDirectory(const QString &dir);
    ~WorkingDirectory();

private:
    QString previous_;
};

// Copies the glyph files the wizard reads into `dir`.
void CopyGlyphFiles(const QString &dir);
