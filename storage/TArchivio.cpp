#include "storage/TArchivio.h"

#include "storage/Cartella.h"

#include <QFileInfo>
#include <QLockFile>
#include <array>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <thread>
#include <memory>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

const QString MSG_ACCESSO_ARCHIVIO = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

namespace {

// Set by the test seam ImpostaBloccoNonSupportato.
bool bloccoNonSupportato = false;

// Appends from several workstations on one shared folder must not pick the
// same position: the count-and-write runs under an exclusive lock on a byte
// range far past any real content, so readers are never blocked. Where the
// file system has no byte-range locks (some NFS and SMB mounts, FUSE folders)
// a lock file beside the data file takes their place; QLockFile takes over a
// lock file left by a program that died holding it.
class LockAppend
{
public:
    explicit LockAppend(QFile &f) : f_(f)
    {
        bool supportato = !bloccoNonSupportato;
#ifdef Q_OS_WIN
        h_ = reinterpret_cast<HANDLE>(_get_osfhandle(f_.handle()));
        if (supportato) {
            OVERLAPPED ov{};
            ov.Offset = 0;
            ov.OffsetHigh = 0x40000000;
            ok_ = h_ != INVALID_HANDLE_VALUE && LockFileEx(h_, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &ov);
            const DWORD e = ok_ ? 0 : GetLastError();
            supportato = ok_ || (e != ERROR_NOT_SUPPORTED && e != ERROR_INVALID_FUNCTION);
        }
#else
        if (supportato) {
            struct flock fl = Intervallo(F_WRLCK);
            int r;
            do {
                r = fcntl(f_.handle(), F_SETLKW, &fl);
            } while (r == -1 && errno == EINTR);
            ok_ = r == 0;
            supportato = ok_ || (errno != ENOLCK && errno != EOPNOTSUPP && errno != EINVAL);
        }
#endif
        if (!supportato) {
            file_ = std::make_unique<QLockFile>(f_.fileName() + QStringLiteral(".lock"));
            // an append holds it for a moment: one older than this was left behind
            file_->setStaleLockTime(20000);
            ok_ = file_->tryLock(30000);
        }
    }
    ~LockAppend()
    {
        if (!ok_) return;
        if (file_) {
            file_->unlock();
            return;
        }
#ifdef Q_OS_WIN
        OVERLAPPED ov{};
        ov.OffsetHigh = 0x40000000;
        UnlockFileEx(h_, 0, 1, 0, &ov);
#else
        struct flock fl = Intervallo(F_UNLCK);
        fcntl(f_.handle(), F_SETLK, &fl);
#endif
    }
    bool ok() const { return ok_; }

private:
#ifndef Q_OS_WIN
    // The locked byte: one byte at 2^62, where no record file ever reaches.
    static struct flock Intervallo(short tipo)
    {
        struct flock fl{};
        fl.l_type = tipo;
        fl.l_whence = SEEK_SET;
        fl.l_start = static_cast<off_t>(1) << 62;
        fl.l_len = 1;
        return fl;
    }
#endif
    QFile &f_;
    bool ok_ = false;
    std::unique_ptr<QLockFile> file_; // the lock file, when byte ranges are not supported
#ifdef Q_OS_WIN
    HANDLE h_ = INVALID_HANDLE_VALUE;
#endif
};

constexpr qint64 kReadAhead = 256 * 1024;
// The blocks a list reads ahead: long enough that handing one over is rare.
constexpr qint64 kBloccoAvanti = 1024 * 1024;

} // namespace

void ImpostaBloccoNonSupportato(bool nonSupportato)
{
    bloccoNonSupportato = nonSupportato;
}

TArchivio::~TArchivio()
{
    if (file_.isOpen()) file_.close();
}

void TArchivio::Fail(const char *what) const
{
    throw EArchivio(std::string(what) + ": " + file_.fileName().toStdString());
}

void TArchivio::Open(const QString &fileName, int recordSize)
{
    OpenPath(CartellaProgramma() + fileName, recordSize);
}

void TArchivio::OpenPath(const QString &path, int recordSize)
{
    if (file_.isOpen()) file_.close();
    file_.setFileName(path);
    recSize_ = recordSize;
    pos_ = 0;
    count_ = 0;
    DropBuffer();
    const auto mode = QIODevice::ReadWrite | QIODevice::Unbuffered;
    bool ok;
    if (QFileInfo::exists(path)) {
        // Never recreated: an existing file that cannot be opened is an error.
        ok = file_.open(mode | QIODevice::ExistingOnly);
        // A folder or file the user may only read (a CD, a locked share):
        // reading still works, and every write fails as an access error.
        if (!ok) ok = file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered | QIODevice::ExistingOnly);
    } else {
        ok = file_.open(mode | QIODevice::NewOnly);
        if (!ok && QFileInfo::exists(path)) ok = file_.open(mode | QIODevice::ExistingOnly);
    }
    if (!ok) Fail("open");
    count_ = file_.size() / recSize_;
}

qint64 TArchivio::Count()
{
    if (!file_.isOpen()) Fail("count");
    count_ = file_.size() / recSize_;
    return count_;
}

bool TArchivio::AtEnd()
{
    if (pos_ < count_) return false; // the file only grows
    return pos_ >= Count();
}

void TArchivio::Buffered(qint64 index, char *record)
{
    if (index < bufFirst_ || index >= bufFirst_ + bufCount_) {
        const qint64 perBlock = qMax<qint64>(1, kReadAhead / recSize_);
        buf_.resize(static_cast<size_t>(perBlock * recSize_));
        const qint64 saved = pos_;
        pos_ = index;
        const qint64 got = ReadBlock(buf_.data(), perBlock);
        pos_ = saved;
        bufFirst_ = index;
        bufCount_ = got;
        if (got == 0) Fail("read");
    }
    std::memcpy(record, buf_.data() + (index - bufFirst_) * recSize_, static_cast<size_t>(recSize_));
}

void TArchivio::ReadNext(char *record)
{
    if (AtEnd()) Fail("read past the end");
    Buffered(pos_, record);
    ++pos_;
}

void TArchivio::ReadAt(qint64 position, char *record)
{
    if (position < 1 || position > Count()) Fail("read position");
    Buffered(position - 1, record);
    pos_ = position;
}

qint64 TArchivio::ReadBlock(char *dest, qint64 maxRecords)
{
    if (!file_.isOpen()) Fail("read");
    qint64 n = qMin(maxRecords, count_ - pos_);
    if (n <= 0) n = qMin(maxRecords, Count() - pos_);
    if (n <= 0) return 0;
    if (!file_.seek(pos_ * recSize_)) Fail("seek");
    const qint64 want = n * recSize_;
    qint64 got = 0;
    while (got < want) {
        const qint64 r = file_.read(dest + got, want - got);
        if (r < 0) Fail("read");
        if (r == 0) break; // shrunk meanwhile: keep the whole records read
        got += r;
    }
    n = got / recSize_;
    pos_ += n;
    return n;
}

void TArchivio::LeggiAvanti(const std::function<bool(const char *blocco, qint64 quanti, qint64 primo)> &fn,
                            const std::function<bool()> &avanti)
{
    const qint64 perBlock = qMax<qint64>(1, kBloccoAvanti / recSize_);
    struct Blocco {
        std::vector<char> dati;
        qint64 quanti = 0, primo = 0;
    };
    constexpr qint64 kBlocchi = 4;
    std::array<Blocco, kBlocchi> blocchi;
    // Blocks are read here while a second thread would not pay: the data a
    // thread reads ahead reaches this one's cache late, which costs more than
    // it saves when `fn` does little with it, and the end of a file is near.
    blocchi[0].dati.resize(static_cast<size_t>(perBlock * recSize_));
    while (!avanti() || Count() - pos_ < 2 * perBlock) {
        Blocco &b = blocchi[0];
        b.primo = pos_;
        b.quanti = ReadBlock(b.dati.data(), perBlock);
        if (b.quanti == 0 || !fn(b.dati.data(), b.quanti, b.primo)) return;
    }
    for (Blocco &b : blocchi) b.dati.resize(static_cast<size_t>(perBlock * recSize_));

    // Blocks k are filled by the reader in turn, blocchi[k % kBlocchi]; the
    // reader waits while kBlocchi of them are filled and not yet used.
    std::mutex m;
    std::condition_variable cv;
    qint64 pieni = 0, usati = 0;
    bool finito = false, basta = false;
    std::exception_ptr errore;
    std::thread lettore([&] {
        try {
            for (qint64 k = 0;; ++k) {
                {
                    std::unique_lock<std::mutex> l(m);
                    cv.wait(l, [&] { return basta || k - usati < kBlocchi; });
                    if (basta) break;
                }
                Blocco &b = blocchi[size_t(k % kBlocchi)];
                b.primo = pos_;
                b.quanti = ReadBlock(b.dati.data(), perBlock);
                const std::lock_guard<std::mutex> l(m);
                if (b.quanti == 0) break;
                pieni = k + 1;
                cv.notify_all();
            }
        } catch (...) {
            const std::lock_guard<std::mutex> l(m);
            errore = std::current_exception();
        }
        const std::lock_guard<std::mutex> l(m);
        finito = true;
        cv.notify_all();
    });
    auto ferma = [&] {
        {
            const std::lock_guard<std::mutex> l(m);
            basta = true;
            cv.notify_all();
        }
        lettore.join();
    };
    try {
        for (qint64 k = 0;; ++k) {
            {
                std::unique_lock<std::mutex> l(m);
                cv.wait(l, [&] { return pieni > k || finito; });
                if (pieni <= k) break;
            }
            const Blocco &b = blocchi[size_t(k % kBlocchi)];
            if (!fn(b.dati.data(), b.quanti, b.primo)) break;
            const std::lock_guard<std::mutex> l(m);
            usati = k + 1;
            cv.notify_all();
        }
    } catch (...) {
        ferma();
        throw;
    }
    ferma();
    if (errore) std::rethrow_exception(errore);
}

void TArchivio::WriteAt(qint64 position, const char *record)
{
    if (position < 1 || position > Count() + 1) Fail("write position");
    if (!file_.isWritable()) Fail("write: read-only");
    DropBuffer();
    if (!file_.seek((position - 1) * recSize_)) Fail("seek");
    if (file_.write(record, recSize_) != recSize_) Fail("write");
    pos_ = position;
    if (position > count_) count_ = position;
}

qint64 TArchivio::Append(const char *record)
{
    if (!file_.isOpen()) Fail("append");
    if (!file_.isWritable()) Fail("append: read-only");
    DropBuffer();
    LockAppend lock(file_);
    if (!lock.ok()) Fail("lock");
    // A trailing partial record (never written by the program) is overwritten.
    const qint64 at = Count();
    if (!file_.seek(at * recSize_)) Fail("seek");
    if (file_.write(record, recSize_) != recSize_) Fail("write");
    pos_ = at + 1;
    count_ = pos_;
    return pos_;
}

void TArchivio::Close()
{
    if (file_.isOpen()) file_.close();
    DropBuffer();
}
