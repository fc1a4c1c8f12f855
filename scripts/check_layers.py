#!/usr/bin/env python3
"""Checks the include lines of the program's sources.

Folders form layers, bottom first; an include may point down, or sideways
inside its own layer, but never up, and one app never includes another app.
A source file and its header count as one unit; no two units may include
each other, directly or around a circle.

Prints every fault as "file:line: ..." and exits 1 when there is any.
Usage: check_layers.py [repository folder]
"""
import os
import re
import sys

# Layer of each folder of the program, bottom first.
LAYERS = {
    "storage": 0,
    "ui": 1,
    "output": 2,
    "reports": 3,
    "identifiers": 3,
    "clients": 4,
    "calls": 4,
    "appointments": 4,
    "agenda": 4,
    "income": 4,
    "app": 5,
}
# Folders of the same layer that must not see each other.
APPS = {"clients", "calls", "appointments", "agenda", "income"}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCES = (".h", ".hpp", ".cpp", ".cc")


def unit(path):
    return os.path.splitext(path)[0]


def scan(root):
    """Returns {file: [(line number, included file), ...]} for the layers."""
    includes = {}
    for folder in LAYERS:
        base = os.path.join(root, folder)
        if not os.path.isdir(base):
            continue
        for dirpath, _, names in os.walk(base):
            for name in sorted(names):
                if not name.endswith(SOURCES):
                    continue
                full = os.path.join(dirpath, name)
                rel = os.path.relpath(full, root).replace(os.sep, "/")
                found = []
                with open(full, encoding="utf-8", errors="replace") as f:
                    for n, text in enumerate(f, 1):
                        m = INCLUDE.match(text)
                        if m:
                            found.append((n, m.group(1)))
                includes[rel] = found
    return includes


def layer_faults(includes):
    faults = []
    for src, found in sorted(includes.items()):
        top = src.split("/")[0]
        for n, target in found:
            dest = target.split("/")[0]
            if dest not in LAYERS:
                continue
            if LAYERS[dest] > LAYERS[top]:
                faults.append(f"{src}:{n}: includes {target}: {dest}/ is above {top}/")
            elif dest != top and dest in APPS and top in APPS:
                faults.append(f"{src}:{n}: includes {target}: one app includes another ({top}/ -> {dest}/)")
    return faults


def circle_faults(includes):
    # Unit graph: an edge for every include between two different units,
    # remembering one line that makes it.
    edges = {}
    for src, found in includes.items():
        u = unit(src)
        edges.setdefault(u, {})
        for n, target in found:
            v = unit(target)
            if v != u and target in includes:
                edges[u].setdefault(v, f"{src}:{n}")
    # Tarjan's strongly connected components, without recursion.
    index, low, on_stack, stack, comps = {}, {}, set(), [], []
    counter = 0
    for start in sorted(edges):
        if start in index:
            continue
        work = [(start, iter(sorted(edges[start])))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, it = work[-1]
            advanced = False
            for nxt in it:
                if nxt not in index:
                    index[nxt] = low[nxt] = counter
                    counter += 1
                    stack.append(nxt)
                    on_stack.add(nxt)
                    work.append((nxt, iter(sorted(edges.get(nxt, {})))))
                    advanced = True
                    break
                if nxt in on_stack:
                    low[node] = min(low[node], index[nxt])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                comp = []
                while True:
                    w = stack.pop()
                    on_stack.discard(w)
                    comp.append(w)
                    if w == node:
                        break
                if len(comp) > 1:
                    comps.append(sorted(comp))
    faults = []
    for comp in comps:
        faults.append(f"include circle among {len(comp)} units: " + ", ".join(comp) + "\n" +
                      "\n".join(f"  {where}: {u} -> {v}" for u, v, where in one_cycle(comp, edges)))
    return faults


def one_cycle(comp, edges):
    """The shortest circle through the first unit of a component, as edges."""
    members = set(comp)
    start = comp[0]
    came_from = {}
    queue = [start]
    while queue:
        node = queue.pop(0)
        for nxt, where in sorted(edges[node].items()):
            if nxt not in members:
                continue
            if nxt == start:
                path = [(node, nxt, where)]
                while node != start:
                    prev, w = came_from[node]
                    path.append((prev, node, w))
                    node = prev
                return list(reversed(path))
            if nxt not in came_from:
                came_from[nxt] = (node, where)
                queue.append(nxt)
    return []


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    includes = scan(root)
    faults = layer_faults(includes) + circle_faults(includes)
    for f in faults:
        print(f)
    if faults:
        print(f"layers: {len(faults)} fault(s) in {len(includes)} files")
        return 1
    print(f"layers: {len(includes)} files, every include points down or sideways, no circles")
    return 0


if __name__ == "__main__":
    sys.exit(main())
