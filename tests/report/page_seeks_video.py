#!/usr/bin/env python3
"""The match page in a real browser: a match document whose points have moments in a video beside
it, its HTML report written from another folder, opened in headless Chromium through Selenium.
The video must load from the page's absolute URL, a click or Enter on a row must seek it to that
point's clip, and printing must hide it and the note about it. A missing browser or driver fails the test."""
import os
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

tool = sys.argv[1]
LEAD_MS = 25000  # the clip's lead when the user has not chosen one

# Point 3's clip starts its lead before its moment, point 1 having none; point 4's at point 3's
# moment, which is later than its own lead.
moments = [3000, None, 34500, 38250]


def clip_start(k):
    start = moments[k] - LEAD_MS
    previous = moments[k - 1] if k > 0 else None
    if previous is not None and start < previous < moments[k]:
        start = previous
    return max(start, 0) / 1000


def fail(message):
    sys.exit("FAIL " + message)


with tempfile.TemporaryDirectory() as scratch:
    # A folder name the URL must percent-encode: a blank, a non-ASCII letter and a "#".
    folder = os.path.join(scratch, "partite è #1")
    os.makedirs(os.path.join(folder, "video"))
    subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i",
                    "testsrc=size=160x120:rate=10:duration=40", "-c:v", "libvpx", "-b:v", "100k",
                    "-g", "10", "-deadline", "realtime", "-cpu-used", "8",
                    os.path.join(folder, "video", "clip.webm")], check=True)
    points = ",".join('{"word": 0%s}' % ("" if ms is None else ', "videoMs": %d' % ms)
                      for ms in moments)
    with open(os.path.join(folder, "m.courtlog"), "w", encoding="utf-8") as f:
        f.write('{"format": "courtlog-match", "version": 1, "players": ["A", "B"], '
                '"tournament": "", "round": 0, "rules": {"bestOf": 3, "setTieBreak": true, '
                '"decidingSet": "tb7", "noAd": false, "firstServer": 0}, '
                '"video": {"file": "video/clip.webm"}, "points": [%s]}' % points)
    # Written from elsewhere, through a relative name: the page must still find the video.
    elsewhere = os.path.join(scratch, "page")
    os.makedirs(elsewhere)
    page = os.path.join(elsewhere, "report.html")
    with open(page, "wb") as f:
        subprocess.run([tool, "--format", "html", os.path.join("..", "partite è #1", "m.courtlog")],
                       cwd=elsewhere, stdout=f, check=True)

    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--mute-audio",
                     "--user-data-dir=" + os.path.join(scratch, "profile")):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.get("file://" + page)
        video = "document.getElementById('video')"
        wait = WebDriverWait(driver, 30)
        wait.until(lambda d: d.execute_script(f"return {video}.readyState") >= 1,
                   "the video never loaded")

        def seek(number, act):
            driver.execute_script(f"""
                var v = {video};
                window.seekedAt = null;
                v.addEventListener('seeked', function () {{ window.seekedAt = v.currentTime; }},
                                   {{once: true}});""")
            act(driver.find_element(By.XPATH, f"//table[@class='registro']//tr[td[1]='{number}']"))
            wait.until(lambda d: d.execute_script("return window.seekedAt") is not None,
                       f"no seek from row {number}")
            at, expected = driver.execute_script("return window.seekedAt"), clip_start(number - 1)
            if abs(at - expected) > 0.05:
                fail(f"row {number} sought {at} s, not {expected} s")

        seek(3, lambda row: row.click())
        # Enter on the row, reached as Tab would: focused, then the key as the keyboard sends it.
        seek(4, lambda row: (driver.execute_script("arguments[0].focus()", row),
                             ActionChains(driver).send_keys(Keys.ENTER).perform()))
        wait.until(lambda d: not d.execute_script(f"return {video}.paused"), "the clip never played")

        # Neither the video nor the note that says how to play it is printed.
        display = (f"return [{video}, document.querySelector('p.schermo')]"
                   ".map(function (e) { return getComputedStyle(e).display; })")
        shown = driver.execute_script(display)
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        printed = driver.execute_script(display)
        if "none" in shown or printed != ["none", "none"]:
            fail(f"the video and its note show as {shown} on screen and {printed} in print")
    finally:
        driver.quit()
print("the page's video seeks to each row's clip and is not printed")
