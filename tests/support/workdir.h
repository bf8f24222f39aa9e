#ifndef TESTS_SUPPORT_WORKDIR_H
#define TESTS_SUPPORT_WORKDIR_H

#include <QString>
#include <QTemporaryDir>

// Makes a fresh, empty temporary folder the current directory for as long as
// the object lives, so that code which works relative to the working directory
// (Ini/, Qm/, Data/, ...) never touches the real one. The destructor restores
// the previous current directory, then removes the folder with its contents.
//
//     void TestFoo::bar()
//     {
//         WorkDir dir;
//         QVERIFY(dir.isValid());
//         writeSomething(dir.filePath("Ini/Config.ini"));
//         ...
//     }
class WorkDir
{
public:
    WorkDir();
    ~WorkDir();
    WorkDir(const WorkDir &) = delete;
    WorkDir &operator=(const WorkDir &) = delete;

    // False when the folder could not be made or entered.
    bool isValid() const { return m_entered; }
    // Absolute path of the folder (no trailing "/").
    QString path() const { return m_dir.path(); }
    // path() + "/" + relative.
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    bool m_entered = false;
};

#endif // TESTS_SUPPORT_WORKDIR_H
