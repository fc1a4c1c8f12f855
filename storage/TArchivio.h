#pragma once
// One record file opened for one user action: open, read or write, close.
// Every failure throws EArchivio; the caller shows the access error.
#include <QFile>
#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

class EArchivio : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The message every window shows when a record file cannot be used.
extern const QString MSG_ACCESSO_ARCHIVIO;

// Test seam: appends behave as on a file system without byte-range locks
// (the lock reports "not supported") and use the lock file beside the data
// file instead.
void ImpostaBloccoNonSupportato(bool nonSupportato);

class TArchivio
{
public:
    TArchivio() = default;
    ~TArchivio();
    TArchivio(const TArchivio &) = delete;
    TArchivio &operator=(const TArchivio &) = delete;

    // Opens CartellaProgramma + fileName for reading and writing, shared with
    // other processes; a missing file is created empty. An existing file that
    // cannot be opened is an error and is never recreated.
    void Open(const QString &fileName, int recordSize);
    // Same, with a full path (the services window keeps the path in a label).
    void OpenPath(const QString &path, int recordSize);
    bool IsOpen() const { return file_.isOpen(); }

    qint64 Count();
    bool AtEnd();
    void ReadNext(char *record);
    void ReadAt(qint64 position, char *record);
    void WriteAt(qint64 position, const char *record);
    qint64 Append(const char *record);
    qint64 Position() const { return pos_; }
    void Close();

    // Reads up to maxRecords whole records from the current position into
    // `dest` (maxRecords * recordSize bytes); returns how many were read.
    qint64 ReadBlock(char *dest, qint64 maxRecords);

    template <class R> requires requires(R &r) { r.Buffer(); }
    void ReadNext(R &r) { ReadNext(r.Buffer()); }
    template <class R> requires requires(R &r) { r.Buffer(); }
    void ReadAt(qint64 p, R &r) { ReadAt(p, r.Buffer()); }
    template <class R> requires requires(const R &r) { r.Buffer(); }
    void WriteAt(qint64 p, const R &r) { WriteAt(p, r.Buffer()); }
    template <class R> requires requires(const R &r) { r.Buffer(); }
    qint64 Append(const R &r) { return Append(r.Buffer()); }

    // Calls fn(const char *record, qint64 position) for every record from the
    // current position to the end, in file order. Returns false from fn to stop.
    template <class Fn> void ForEach(Fn &&fn)
    {
        ForEachLettoAvanti(fn, [] { return false; });
    }

    // The same, with the file read ahead on a second thread while `fn` runs
    // on the calling thread, in file order: a long list is built while the
    // next blocks are read. Before each block of about a megabyte,
    // `avanti()` tells whether the work `fn` did on the last one (none before
    // the first) is worth the second thread; until it says so, and near the
    // end of the file, the blocks are read on the calling thread. A failure of the file throws
    // EArchivio after `fn` has seen every record read before it.
    template <class Fn> void ForEachLettoAvanti(Fn &&fn, const std::function<bool()> &avanti)
    {
        const qint64 dimensione = recSize_;
        LeggiAvanti(
            [&fn, dimensione](const char *blocco, qint64 quanti, qint64 primo) {
                for (qint64 i = 0; i < quanti; ++i)
                    if (!fn(static_cast<const char *>(blocco + i * dimensione), primo + i + 1)) return false;
                return true;
            },
            avanti);
    }

private:
    void LeggiAvanti(const std::function<bool(const char *blocco, qint64 quanti, qint64 primo)> &fn,
                     const std::function<bool()> &avanti);
    void Fail(const char *what) const;
    void Buffered(qint64 index, char *record);
    void DropBuffer() { bufFirst_ = 0; bufCount_ = 0; }

    QFile file_;
    int recSize_ = 0;
    qint64 pos_ = 0;          // 0-based index of the next record
    qint64 count_ = 0;        // records known to exist (the file only grows)
    std::vector<char> buf_;   // read-ahead for ReadNext
    qint64 bufFirst_ = 0;     // index of the first record in buf_
    qint64 bufCount_ = 0;
};

// Reads every record of a file in order, as lists, searches and exports do.
template <class R, class Fn>
void LeggiTutto(const QString &fileName, Fn &&fn)
{
    TArchivio a;
    a.Open(fileName, R::Dimensione);
    R rec;
    while (!a.AtEnd()) {
        a.ReadNext(rec);
        fn(rec, a.Position());
    }
    a.Close();
}
