#!/usr/bin/env python3
"""Checks the project's include graph: no circle of modules anywhere, and no
layer including a layer above it.

A module is a header and its source file (Wording.h and Wording.cpp); module
A depends on module B when A's header or source includes B's header. The
layers, lowest first, are the folders linked downward by the build; a folder
may include only its own headers and those of the folders it links.
"""
import os
import re
import sys

# Each folder and the folders it may include from.
LAYERS = {
    'common': set(),
    'standard': {'common'},
    'answers': {'standard', 'common'},
    'store': {'answers', 'standard', 'common'},
    'session': {'store', 'answers', 'standard', 'common'},
    'wording': {'store', 'answers', 'standard', 'common'},
    'pages': {'wording', 'store', 'answers', 'standard', 'common'},
    'chequefile': {'answers', 'standard', 'common'},
    'scanclient': {'wording', 'store', 'answers', 'standard', 'common'},
    'scan': {'scanclient', 'wording', 'store', 'answers', 'standard', 'common'},
    'i18n': set(),
    'platform': {'pages', 'wording', 'store', 'answers', 'standard', 'common', 'i18n'},
    'forms': {'platform', 'session', 'chequefile', 'scanclient', 'pages', 'wording', 'store', 'answers', 'standard', 'common', 'i18n'},
    'cli': {'chequefile', 'scanclient', 'pages', 'wording', 'store', 'answers', 'standard', 'common', 'i18n'},
    'app': {'forms', 'platform', 'session', 'chequefile', 'scanclient', 'pages', 'wording', 'store', 'answers', 'standard',
            'common', 'i18n', 'cli'},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def modules(root):
    found = {}
    for folder in LAYERS:
        path = os.path.join(root, folder)
        for dirpath, _, files in os.walk(path):
            for name in files:
                stem, ext = os.path.splitext(name)
                if ext not in ('.h', '.cpp'):
                    continue
                relative = os.path.relpath(os.path.join(dirpath, name), root)
                found.setdefault(os.path.join(os.path.dirname(relative), stem), []).append(relative)
    return found


def main(root):
    found = modules(root)
    headers = {f for files in found.values() for f in files if f.endswith('.h')}
    graph = {module: set() for module in found}
    faults = []
    for module, files in found.items():
        folder = module.split(os.sep)[0]
        for file in files:
            with open(os.path.join(root, file), encoding='utf-8') as source:
                for included in INCLUDE.findall(source.read()):
                    # "Micr.h" beside the file, or "layer/Name.h".
                    target = os.path.normpath(os.path.join(os.path.dirname(file), included))
                    if target not in headers:
                        target = os.path.normpath(included)
                    if target not in headers:
                        continue
                    other = os.path.splitext(target)[0]
                    other_folder = other.split(os.sep)[0]
                    if other_folder != folder and other_folder not in LAYERS[folder]:
                        faults.append(f'{file} includes {target}: {folder} does not link {other_folder}')
                    if other != module:
                        graph[module].add(other)
    # Circles: strongly connected components of more than one module.
    index, low, stack, on_stack, circles = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(graph[node]):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1:
                circles.append(sorted(component))

    sys.setrecursionlimit(10000)
    for node in sorted(graph):
        if node not in index:
            visit(node)
    for circle in circles:
        faults.append('include circle: ' + ' <-> '.join(circle))
    for fault in faults:
        print(fault)
    print(f'{len(graph)} modules, {sum(len(e) for e in graph.values())} includes, {len(faults)} faults')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')))
