#include "platform/FolderTree.h"

#include "platform/DirectoryEntries.h"
#include "platform/FileLookup.h"

#include <fcntl.h>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Shared by the subfolders still to be entered, which are opened relative to it; closed
// once the last of them is open, so a deep tree holds few descriptors.
using OpenFolder = std::shared_ptr<DIR>;

// A file descriptor, closed with the object unless released.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    { }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// The subfolder name of parent. Opened relative to parent, and never through a symbolic link,
// so that a folder swapped for a link since parent was read leads nowhere else.
OpenFolder openSubfolder(DIR *parent, const QString &name)
{
    const auto native = nativePath(name);
    Descriptor fd(
        native ? ::openat(::dirfd(parent), native->constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC) : -1);
    DIR *folder = fd.get() >= 0 ? ::fdopendir(fd.get()) : nullptr;
    if (!folder)
        return {};
    fd.release(); // the stream owns it now
    return OpenFolder(folder, ::closedir);
}

// Whether the entry of folder is a folder of its own to enter: a symbolic link is not, and
// only file systems that do not give the entry's type need a look of their own.
bool isSubfolder(DIR *folder, const QString &name, unsigned char type)
{
    if (isHiddenName(name))
        return false;
    return type == DT_DIR
        || (type == DT_UNKNOWN && entryKindIn(folder, name, Links::NotFollowed) == EntryKind::Directory);
}

// Depth first with a stack of its own, so that a deep tree cannot overflow the call stack.
class FolderWalk
{
public:
    // The listing of folder, open at path, with its subfolders put next in line; nothing for a
    // folder that could not be opened or was entered before.
    std::optional<FolderListing> enter(const OpenFolder &folder, const QString &path)
    {
        if (!folder || !enteredFirstTime(folder.get()))
            return std::nullopt;
        QStringList subfolders;
        FolderListing listing = listOpenFolder(folder.get(), [&](const QString &name, unsigned char type) {
            if (isSubfolder(folder.get(), name, type))
                subfolders.append(name);
        });
        subfolders = inListingOrder(std::move(subfolders));
        // Last first, so that the first is taken next.
        for (auto name = subfolders.crbegin(); name != subfolders.crend(); ++name)
            m_waiting.push_back({folder, *name, path + *name + u'/'});
        return listing;
    }

    bool hasWaiting() const { return !m_waiting.empty(); }

    // The next folder in line, listed if it can be entered.
    std::optional<ListedFolder> enterNext()
    {
        const Waiting next = std::move(m_waiting.back());
        m_waiting.pop_back();
        std::optional<FolderListing> listing = enter(openSubfolder(next.parent.get(), next.name), next.path);
        if (!listing)
            return std::nullopt;
        return ListedFolder {next.path, std::move(*listing)};
    }

private:
    struct Waiting
    {
        OpenFolder parent;
        QString name;
        QString path;
    };

    // Identified by what was opened, not by its path: a bind mount or a loop leads back to a
    // folder under another path.
    bool enteredFirstTime(DIR *folder)
    {
        struct stat info
        {
        };
        return ::fstat(::dirfd(folder), &info) == 0 && m_entered.emplace(info.st_dev, info.st_ino).second;
    }

    std::set<std::pair<dev_t, ino_t>> m_entered;
    std::vector<Waiting> m_waiting;
};

} // namespace

std::vector<ListedFolder> listFolderTree(const QString &root, const std::function<bool()> &carryOn)
{
    const auto goesOn = [&carryOn] { return !carryOn || carryOn(); };
    std::vector<ListedFolder> folders {{withTrailingSlash(root), {}}};
    if (!goesOn())
        return folders;
    FolderWalk walk;
    // The folder chosen may well be a link to one; only the links found below it are not followed.
    if (std::optional<FolderListing> listing = walk.enter(openDirectory(folders.front().path), folders.front().path))
        folders.front().listing = std::move(*listing);
    while (walk.hasWaiting() && goesOn()) {
        if (std::optional<ListedFolder> folder = walk.enterNext())
            folders.push_back(std::move(*folder));
    }
    return folders;
}
