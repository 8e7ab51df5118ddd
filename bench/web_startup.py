#!/usr/bin/python3
"""Start-up time of Morvana.html in headless Chromium, against its floor: a
page of the same client area with one text box and a minimal WebAssembly
module, made by the same compiler, flags and page maker (bench/web_floor.cpp).

Ready means ready to take a press: the module has run, every control is on
the page with its listeners, the caret is in the first box, and the page has
set its performance mark "ready". The figure is that mark's time, which
counts from the start of the navigation. Both pages load from file:// in one
browser, interleaved, after one warm-up load each.
  bench/web_startup.py [loads]        (default 20)
"""
import os
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
from browser import start_chromium  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')


def ready_ms(driver, page):
    driver.get('file://' + page)
    return driver.execute_async_script("""var done = arguments[0];
        (function poll() {
          var ready = performance.getEntriesByName('ready');
          if (ready.length) done(ready[0].startTime); else setTimeout(poll, 1);
        })();""")


def main(loads):
    subprocess.run(['bash', 'scripts/install-deps.sh'], cwd=ROOT, check=True)
    for step in (['cmake', '--preset', 'web-bench'], ['cmake', '--build', '--preset', 'web-bench']):
        subprocess.run(step, cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    build = os.path.join(os.path.abspath(ROOT), 'build', 'web-bench')
    pages = {'Morvana.html': os.path.join(build, 'src', 'ui', 'web', 'Morvana.html'),
             'floor': os.path.join(build, 'bench', 'web_floor.html')}
    times = {name: [] for name in pages}
    driver, stop = start_chromium()
    try:
        for load in range(loads + 1):
            for name, page in pages.items():
                ms = ready_ms(driver, page)
                if load > 0:  # the first load of each only warms the caches
                    times[name].append(ms)
    finally:
        stop()

    print('%-14s %10s %8s %8s %8s' % ('page', 'median_ms', 'min_ms', 'max_ms', 'bytes'))
    for name, page in pages.items():
        t = times[name]
        print('%-14s %10.1f %8.1f %8.1f %8d' % (name, statistics.median(t), min(t), max(t), os.path.getsize(page)))
    ratio = statistics.median(times['Morvana.html']) / statistics.median(times['floor'])
    print('Morvana.html ready to take a press: %.2fx its floor (%d loads each)' % (ratio, loads))
    chromium = subprocess.run(['/usr/bin/chromium', '--version'], capture_output=True, text=True).stdout.strip()
    with open('/proc/cpuinfo', encoding='utf-8') as f:
        cpu = next((line.split(':', 1)[1].strip() for line in f if line.startswith('model name')), '?')
    print('machine: %d cores, %s; %s' % (os.cpu_count(), cpu, chromium))


if __name__ == '__main__':
    main(int(sys.argv[1]) if len(sys.argv) > 1 else 20)
