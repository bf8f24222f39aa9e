#ifndef SINGLEINSTANCE_H
#define SINGLEINSTANCE_H

// Keeps MeterLog to one running instance per user: a lock file of the given
// name (with the user's id) in the temporary folder, held for the life of the
// object.

#include <QLockFile>
#include <QString>

class SingleInstance
{
public:
    explicit SingleInstance(const QString &name);
    // True when this process holds the lock; false when another instance does.
    bool IsFirst() const { return first; }

private:
    QLockFile lock;
    bool first = false;
};

#endif // SINGLEINSTANCE_H
