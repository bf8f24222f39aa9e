#include "tests/support/workdir.h"

#include <QDir>

WorkDir::WorkDir()
    : m_previous(QDir::currentPath())
{
    m_entered = m_dir.isValid() && QDir::setCurrent(m_dir.path());
}

WorkDir::~WorkDir()
{
    // Leave the folder before it is removed.
    QDir::setCurrent(m_previous);
}
