#!/usr/bin/env python3
"""The include check over a made-up tree: each row is a file, the include on
its second line, and the line the check must report (None: no report; a
folder in no toolkit layer is reported at the file's first line)."""
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_includes  # noqa: E402

CASES = [
    # toolkit: the base under two layers that never include each other
    ("toolkit/lwtool2/items.h", '#include "toolkit/items/items.h"', 2),
    ("toolkit/lwtool2/items.h", '#include "toolkit/panel.h"', 2),
    ("toolkit/lwtool2/items.h", '#include "toolkit/base/item_ids.h"', None),
    ("toolkit/lwtool2/items.h", '#include "toolkit/text/regex.h"', None),
    ("toolkit/files.cpp", '#include "toolkit/lwtool2/services.h"', 2),
    ("toolkit/items/items.cpp", '#include "../lwtool2/eval.h"', 2),
    ("toolkit/items/items.cpp", '#include "toolkit/services.h"', None),
    ("toolkit/base/item_ids.h", '#include "toolkit/services.h"', 2),
    ("toolkit/base/item_ids.h", '#include "toolkit/lwtool2/eval.h"', 2),
    ("toolkit/base/item_ids.h", '#include "toolkit/text/code_page.h"', None),
    ("toolkit/text/regex.cpp", '#include "toolkit/items/items.h"', 2),
    ("toolkit/text/regex.cpp", '#  include <toolkit/lwtool2/items.h>', 2),
    ("toolkit/text/regex.cpp", '#include "platform/thread_with_stack.h"', None),
    ("toolkit/guard.cpp", '#include "tools/tools.h"', 2),
    ("toolkit/panel.cpp", '#include "lwo/lwo_reader.h"', 2),
    ("toolkit/newroom/thing.h", '#include <string>', 1),
    ("toolkit/files.cpp", '#include "toolkit/newroom/thing.h"', 2),
    # between folders
    ("abi/host_api.h", '#include "platform/path_style.h"', 2),
    ("platform/directory.h", '#include "abi/host_api.h"', 2),
    ("lwo/lwo_reader.cpp", '#include "tests/unit/support/lwo_bytes.h"', 2),
    ("tools/rename/rename_engine.cpp", '#include "tools/replace/replace_run.h"', 2),
    ("tools/rename/rename_engine.cpp", '#include "tools/rename/new_name.h"', None),
    ("tools/rename/rename_engine.cpp", '#include "tools/tools.h"', None),
    ("tools/rename/rename_engine.cpp", '#include "plugin/frame.h"', 2),
    ("tools/replace/replace_run.h", '#include "lwo/lwo_reader.h"', None),
    ("tools/rename/rename_engine.cpp", '#include "lwo/lwo_reader.h"', 2),
    ("tools/tools.h", '#include "tools/rename/rename_engine.h"', 2),
    ("plugin/activation.cpp", '#include "tools/rename/rename_engine.h"', 2),
    ("plugin/activation.cpp", '#include "tools/tools.h"', None),
    ("plugin/activation.cpp", '#include "toolkit/lwtool2/services.h"', None),
    ("host/core/host.h", '#include "toolkit/services.h"', 2),
    ("host/core/host.h", '#include "lwo/lwo_reader.h"', None),
    ("host/core/text.h", '#include "platform/utf8_sequence.h"', None),
    ("host/core/host.h", '#include <nlohmann/json.hpp>', None),
]


def main():
    failures = 0
    with tempfile.TemporaryDirectory() as root:
        # The target of the one include written relative to its file.
        os.makedirs(os.path.join(root, "toolkit/lwtool2"))
        open(os.path.join(root, "toolkit/lwtool2/eval.h"), "w").close()
        for path, include, line in CASES:
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), "w") as source:
                source.write("// a file\n" + include + "\n")
            faults = check_includes.check_file(root, path)
            wanted = 0 if line is None else 1
            if len(faults) != wanted or not all(fault.startswith(f"{path}:{line}:") for fault in faults):
                print(f"{path}: {include}: expected {wanted} report(s) at line {line}, got {faults}")
                failures += 1
            os.remove(os.path.join(root, path))
    print(f"{len(CASES)} cases, {failures} wrong")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
