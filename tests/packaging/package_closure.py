"""What installing a Debian package brings along, and which packages own the files a running
program has loaded.

The closure follows Pre-Depends and Depends as apt does on a machine that has none of them:
of alternatives it takes the first, so a package counts only if a bare install would bring it.
Where the first alternative is missing here, whatever satisfies the group on this machine
stands in for it.
"""

import re
import subprocess

FILE_KINDS = re.compile(r"\.so(\.[0-9]+)*$|\.(ttf|otf|ttc|pfb|pcf(\.gz)?)$")


def _names(relation):
    """The groups of alternatives of a Depends field, as lists of package names."""
    groups = []
    for group in filter(None, (part.strip() for part in relation.split(","))):
        alternatives = []
        for alternative in group.split("|"):
            name = alternative.strip().split(" ")[0].split("(")[0]
            alternatives.append(name.split(":")[0])
        groups.append(alternatives)
    return groups


def installed_packages():
    """Each installed package with the groups it depends on, and who provides each virtual name."""
    fields = "${db:Status-Abbrev}\t${Package}\t${Provides}\t${Pre-Depends}\t${Depends}\n"
    listing = subprocess.run(["dpkg-query", "-W", "-f", fields], check=True,
                             capture_output=True, text=True).stdout
    depends, providers = {}, {}
    for line in listing.splitlines():
        status, package, provides, pre_depends, plain_depends = line.split("\t")
        if not status.startswith("ii"):
            continue
        depends[package] = _names(pre_depends) + _names(plain_depends)
        for group in _names(provides):
            providers.setdefault(group[0], set()).add(package)
    return depends, providers


def closure(root):
    """The packages that installing `root` brings, `root` included."""
    depends, providers = installed_packages()

    def satisfying(name):
        return ({name} if name in depends else set()) | providers.get(name, set())

    reached, pending = set(), [root]
    while pending:
        package = pending.pop()
        if package in reached:
            continue
        reached.add(package)
        for alternatives in depends.get(package, []):
            chosen = satisfying(alternatives[0])
            if not chosen:
                chosen = set().union(*(satisfying(name) for name in alternatives))
            pending.extend(chosen)
    return reached


def loaded_files(pid):
    """The shared objects and fonts mapped into a running process."""
    paths = set()
    with open(f"/proc/{pid}/maps", encoding="utf-8") as maps:
        for line in maps:
            fields = line.split(maxsplit=5)
            if len(fields) == 6 and fields[5].startswith("/"):
                path = fields[5].strip()
                if FILE_KINDS.search(path):
                    paths.add(path)
    return sorted(paths)


def owners(paths):
    """The package that owns each file, if any. With /usr merged, dpkg may know a library by
    its name in /lib."""
    found = {}
    for strip in ("", "/usr"):
        asked = {path[len(strip):]: path for path in paths
                 if path not in found and path.startswith(strip + "/")}
        if not asked:
            continue
        listing = subprocess.run(["dpkg-query", "-S", *asked], capture_output=True,
                                 text=True).stdout
        for line in listing.splitlines():
            if line.startswith("diversion "):
                continue
            packages, path = line.split(": ", 1)
            if path in asked:
                found[asked[path]] = packages.split(",")[0].split(":")[0].strip()
    return found


def unbrought_files(pid, package):
    """The files loaded by the process whose package installing `package` would not bring,
    as (path, owner or None) pairs."""
    brought = closure(package)
    missing = []
    paths = loaded_files(pid)
    found = owners(paths)
    for path in paths:
        if found.get(path) not in brought:
            missing.append((path, found.get(path)))
    return missing
