// A SQLite file system over the real one that fails every write as a full disk does while it is
// told the disk is full: the full disk of the settings tests, on any machine.
#pragma once

namespace testing_support {

// Makes it SQLite's default file system, once per program; every file opened afterwards goes
// through it.
void installFaultyVfs();
// While on, every write to a SQLite file fails with SQLITE_FULL.
void setDiskFull(bool full);

} // namespace testing_support
