"""The phone page in a real browser: headless Chromium takes a seat in a room hosted by a table
window offscreen (web_table_host), bets, says ready, gives the banker's commands when they are
its own and plays a whole game; after every turn the seat's score on the page is the table's.
Run inside a network namespace of its own (run_phone_page_test.sh): nothing but 127.0.0.1.

Usage: phone_page_test.py HOST_PROGRAM [SHOTS_FOLDER]
"""
import json
import os
import queue
import subprocess
import sys
import threading
import time

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
except ImportError:
    print("python3-selenium is not installed")
    sys.exit(77)

TURNS = 4
STEP_SECONDS = 20
GAME_SECONDS = 120


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


class Host:
    """The table window's program; its lines of JSON come through a queue."""

    def __init__(self, program):
        self.process = subprocess.Popen([program, str(TURNS)], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for raw in self.process.stdout:
            try:
                self.lines.put(json.loads(raw))
            except ValueError:
                pass

    def next_line(self, seconds):
        try:
            return self.lines.get(timeout=seconds)
        except queue.Empty:
            return None

    def stop(self):
        if self.process.poll() is None:
            self.process.stdin.close()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()


def browser(language, width, height):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--no-first-run", "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--disable-extensions", "--disable-default-apps", "--no-pings",
                     "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1",
                     "--lang=" + language, "--window-size=%d,%d" % (width, height)):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_page_load_timeout(STEP_SECONDS)
    driver.set_script_timeout(STEP_SECONDS)
    driver.execute_cdp_cmd("Emulation.setLocaleOverride", {"locale": language})
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
    return driver


def wait_for(condition, seconds=STEP_SECONDS):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    return condition()


def visible(driver, element_id):
    return driver.find_element(By.ID, element_id).is_displayed()


def page(driver):
    """What the page shows that the test reads."""
    return driver.execute_script(
        "return {phase: document.body.dataset.phase || '', turn: document.body.dataset.turn || '',"
        " score: document.getElementById('score').dataset.value || '',"
        " status: document.getElementById('status').textContent};")


def look(driver, shots, name, width=360, height=740):
    """A picture of the page at a size, which must show everything without sideways scrolling."""
    driver.set_window_size(width, height)
    overflow = driver.execute_script(
        "return document.documentElement.scrollWidth - document.documentElement.clientWidth")
    if overflow > 0:
        fail("%s: the page is %d px wider than a %d px screen" % (name, overflow, width))
    driver.save_screenshot(os.path.join(shots, name + ".png"))


def play(program, language, shots):
    host = Host(program)
    driver = None
    try:
        hello = host.next_line(STEP_SECONDS)
        if not hello or "port" not in hello:
            fail("the host said no port")
        seat = hello["phoneSeat"]
        driver = browser(language, 360, 740)
        driver.get("http://127.0.0.1:%d/%s" % (hello["port"], hello["code"].lower()))
        if driver.find_element(By.ID, "code").get_attribute("value") != hello["code"]:
            fail("the page did not take the code from its address")
        name = driver.find_element(By.ID, "name")
        name.clear()
        name.send_keys("Phone" if language == "en" else "スマホ")
        driver.find_element(By.ID, "join").click()
        if not wait_for(lambda: visible(driver, "tableView")):
            fail("the page took no seat: " + page(driver)["status"])
        if driver.find_element(By.ID, "ready").get_attribute("textContent") != ("Ready" if language == "en" else "準備完了"):
            fail("the page is not in its browser's language")
        shot = {"bets": False, "thrown": False}
        compared = 0
        skipped = 0
        deadline = time.monotonic() + GAME_SECONDS
        while time.monotonic() < deadline:
            line = host.next_line(0.05)
            # While the page was away its seat played on by itself: only the latest turn can be compared.
            while line and not host.lines.empty():
                line = host.next_line(0)
                skipped += 1
            if line and line.get("phase") in ("turnSettled", "gameOver"):
                expected = str(line["scores"][seat])
                # The seat's score stands until the next throw, which waits for this page's ready.
                if not wait_for(lambda: int(page(driver)["turn"] or 0) >= line["turn"]
                                and page(driver)["score"] == expected):
                    fail("turn %s: the page shows %s, the table %s" % (line["turn"], page(driver), expected))
                if expected not in "".join(line["shown"]):
                    fail("the table's labels do not show its score " + expected)
                compared += 1
                if line["phase"] == "gameOver":
                    break
                if compared == 2:
                    # The screen goes off: the socket is gone; the page takes its seat back by its token.
                    token = driver.execute_script("const t = room.token; room.socket.close(); return t;")
                    if not wait_for(lambda: driver.execute_script(
                            "return room.socket !== null && room.socket.readyState === 1 && room.retries === 0")):
                        fail("the page did not connect again")
                    if driver.execute_script("return [room.seat, room.token]") != [seat, token]:
                        fail("the page came back to another seat")
            shown = page(driver)
            if visible(driver, "betView") and driver.find_element(By.ID, "ready").is_enabled():
                for button in ("betPlus10", "betPlus1", "betMinus1", "betMax", "betMinus10"):
                    driver.find_element(By.ID, button).click()
                bet = int(driver.find_element(By.ID, "betValue").text)
                if bet != 90:  # the maximum 100 less 10
                    fail("the bet control shows %d" % bet)
                if not shot["bets"]:
                    # A tablet held upright shows the same page, and then the phone again.
                    look(driver, shots, "web-%s-bets-tablet" % language, 800, 1280)
                    look(driver, shots, "web-%s-bets" % language)
                    shot["bets"] = True
                driver.find_element(By.ID, "ready").click()
                wait_for(lambda: not driver.find_element(By.ID, "ready").is_enabled(), 5)
            if visible(driver, "throwView") and not shot["thrown"]:
                look(driver, shots, "web-%s-thrown" % language)
                shot["thrown"] = True
            if visible(driver, "commands"):
                for button in ("cmdOpenBets", "cmdThrow", "cmdNextTurn"):
                    if visible(driver, button):
                        driver.find_element(By.ID, button).click()
                        wait_for(lambda: page(driver)["phase"] != shown["phase"], 5)
                        break
        if compared + skipped < TURNS + 1 or compared < 3:
            fail("only %d of the turns were compared" % compared)
        if not wait_for(lambda: visible(driver, "standings")):
            fail("no standings at the game's end")
        rows = driver.find_elements(By.CSS_SELECTOR, "#standings li")
        if len(rows) != 3:
            fail("the standings have %d rows" % len(rows))
        look(driver, shots, "web-%s-end" % language)
        if not all(shot.values()):
            fail("a moment of the game was never seen: %s" % shot)
        errors = [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"
                  and "favicon" not in entry["message"]]
        if errors:
            fail("the browser reported %s" % errors)
        print("%s: %d turns compared, %d played while the page was away" % (language, compared, skipped))
    finally:
        if driver:
            driver.quit()
        host.stop()


def main():
    if not os.path.exists("/usr/bin/chromium") or not os.path.exists("/usr/bin/chromedriver"):
        print("chromium or chromium-driver is not installed")
        sys.exit(77)
    shots = sys.argv[2] if len(sys.argv) > 2 else os.environ.get("TMPDIR", "/tmp")
    os.makedirs(shots, exist_ok=True)
    for language in ("ja", "en"):
        play(sys.argv[1], language, shots)


if __name__ == "__main__":
    main()
