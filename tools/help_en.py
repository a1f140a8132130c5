"""The English help, Help1_en.txt: the same chapters as Help1.txt, in the words of the English edition.

make_assets.py lays out the tables (@BANKER@, @MENU@, @KEYS@) from the rows below, as for Help1.txt.
"""

HELP_EN = """\
Qubrin  Chinchirorin  Help
==========================

  1. What chinchirorin is
  2. The table
  3. How a game goes
  4. Hands and payouts
  5. When the banker's hand decides
  6. The bank moves on, and passing it
  7. Rule options (twelve settings)
  8. The settings dialog
  9. The dice tally
 10. Sound effects and speed
 11. Menus and keys
 12. Playing with the keys


1. What chinchirorin is
-----------------------

Three dice are rolled into a bowl, and the dice make a "hand"; the stronger
hand wins. One seat is the banker, every other seat is a player. The players
bet against the banker, then the banker and the players roll and compare
their hands. Every contest is between the banker and one player: players
never play against each other.

Qubrin seats two to six. Any seat can be played by a person or left to the
computer ("Computer" in the settings). There may be as many person seats as
you like, so a whole group can play round one screen.


2. The table
------------

The seats sit in two columns, numbered clockwise. With the numbers of the
settings dialog:

    Seat 2 (top left)       Seat 3 (top right)
    Seat 1 (middle left)    Seat 4 (middle right)
    Seat 6 (bottom left)    Seat 5 (bottom right)

clockwise in this order. With five or six seats the bottom row appears and
the window grows taller. The arrow between the columns (clockwise) shows the
way the bank moves on and the order in which the players roll.

Each seat shows:

  - the name, the portrait and the score (the points held)
  - the bet (the number beside the coin; empty for the banker, who does not
    bet)
  - a small robot mark on a computer seat
  - a scroll bar to set the bet on a person's player seat
  - the three dice, the throw ("#2" and so on), the hand's name and its value
  - the banker's seat turns blue-violet and reads "Bank 1", "Bank 2" ...
    (the how-manieth contest of this seat as banker). Player seats are green.

The top row shows what to do next ("Place your bets" and the like) and four
commands: Bet, Roll, Next turn and Pass. Only the commands that can be given
now are enabled; the others are grey.

The table also shows the settings in use: Left (the turns left), Bank (the
turns a banker holds the bank), Throws (the throws of a seat), Min and Max
(the lowest and highest bet), the speed picture (a tortoise and a hare) and
the sound picture (a speaker).


3. How a game goes
------------------

(1) A new game
    Menu Game -> New game (F2) starts one. Every score is set to the
    starting score of the settings, and the seconds of the clock pick the
    first banker.

(2) Bet
    Press Bet and the players bet. The banker does not bet.
    - A computer player bets between the lowest and the highest bet, as its
      character decides (see the settings dialog).
    - A person is offered the bet of the last contest (in the first contest
      of a game, a bet halfway between the limits). Until Roll is pressed,
      the seat's scroll bar changes it freely.

(3) Roll
    Press Roll and every throw of the contest is made by itself.
    - The banker rolls first. When the banker's hand decides the contest,
      the players do not roll (see "5. When the banker's hand decides").
    - Otherwise the players roll one by one, clockwise from the seat after
      the banker.
    - A seat rolls at most the set number of throws (usually three). A hand
      ends its throws; "no hand" rolls again. No hand to the last throw is
      "no hand".
    - When everyone has rolled, the bets are paid and the scores change.

(4) Next turn
    When you have seen the result, press Next turn. The table is cleared,
    the turns left go down by one and the bets of the next contest open.
    The bank moves on at this moment, when it is due.

(5) The end of the game
    When no turn is left the game ends and the top row reads "Game over".
    The last scores stay on the table. To start a new game, first close
    this one with Game -> Quit this game (F9), then choose New game.
    At the end a results window opens with each seat's rank (equal scores
    share a rank), its score, its gain or loss from the starting score, the
    turns it held the bank and its strongest hand.
    A seat whose score falls to 0 or below plays on to the end of the game.

Quitting a game (F9)
    At any time (except while the dice are rolling), Quit this game ends the
    game. Answer Yes to end it, No to play on. A game that was quit cannot
    be taken up again.
    After quitting, Game -> Load settings (Ctrl+L) reads the settings file
    again: every score goes back to the starting score, names and portraits
    to those of the file.


4. Hands and payouts
--------------------

The hands from the strongest down. The number shown beside a hand's name is
its value: the smaller, the stronger. Equal values are a draw.
Triples and 4-5-6 are shown in blue, the losing hands (no hand, out of the
bowl, 1-2-3 and the like) in red.

  Triple (all three dice alike)
      Triple ones (value 11), triple twos (12) ... triple sixes (16).
      The lower the triple, the stronger: triple ones are the best triple.
      A win pays three times the bet.

  4-5-6
      Value 20. A win pays twice the bet.

  Point (two dice alike; the odd die is the point)
      Point 6 (value 34), point 5 (35), point 4 (36), point 3 (37),
      point 2 (38), point 1 (39). For example 3-3-5 is point 5.
      Won or lost, it pays once the bet.

  No hand (three different dice, neither 4-5-6 nor 1-2-3)
      Value 50. The seat rolls again, up to the set number of throws. No
      hand to the last throw stays no hand, and a loss pays once the bet.

  Out of the bowl (a die jumped out of the bowl)
      Value 51. It is rare (about once in 2000 throws). The three dice show
      a cross and the seat's throws end at once. A loss pays once the bet.
      (With the option "out of the bowl counts as no hand" the seat rolls
      again as for no hand.)

  1-2-3
      Value 60. The weakest hand; a loss pays twice the bet.

Hands the rule options add (see "7. Rule options")

  Triple ones win five times (P_CHECK3)
      Triple ones become the strongest hand, value 1, and a win pays five
      times the bet.
  Triple fives win five times (P_CHECK5)
      Triple fives become value 5, stronger than every other triple (weaker
      only than triple ones that win five times), and a win pays five times
      the bet.
  Triple ones lose three times (P_CHECK4)
      Triple ones become the weakest hand, value 70, and a loss pays three
      times the bet.

How a contest is paid

  When the player has rolled too, the player's hand is compared with the
  banker's.
  - The player's hand is stronger: the banker pays the player the bet times
    the player's multiple: 5 for a triple that wins five times, 3 for a
    triple, 2 for 4-5-6, 1 for every other hand.
  - The player's hand is weaker: the player pays the banker the bet times
    the player's multiple: 2 for 1-2-3, 3 for triple ones that lose three
    times, 1 for every other hand. However strong the banker's hand, the
    multiple does not grow.
  - Equal values: a draw, no points move.

  When the banker's hand decides the contest, the multiple of the banker's
  hand holds for every player (next chapter).


5. When the banker's hand decides
---------------------------------

When the banker has rolled one of these hands, the players do not roll: the
contest with every player is decided at once (for each player the bet times
the multiple moves).

@BANKER@

When the banker rolls point 2 to point 5, the players roll in turn and
compare their hands with the banker's.

Rule options change this.
  "The players roll against the banker's point 6" (P_CHECK1)
      Point 6 of the banker does not decide; the players roll.
  "The players roll against the banker's point 1" (P_CHECK2)
      Point 1 of the banker does not decide; the players roll.
Then the player's hand is compared with the banker's, as for every other
point.


6. The bank moves on, and passing it
------------------------------------

- The banker holds the bank for the set number of turns as banker, then the
  bank moves clockwise to the next seat.
- With a "pass the bank after the banker's hand" option on, the bank moves
  on after a contest in which the banker rolled that hand, even when turns
  as banker are left.
- The banker may give up the bank with Pass: with a "the banker may pass"
  option on, Pass shows before the bets. Pressing it moves the bank to the
  next seat at once, which starts its first contest as banker. A pass is no
  contest: the turns left do not go down.
    The banker may pass (P_CHECK6)
        The banker may pass at any time before the bets.
    The banker may pass after playing once (P_CHECK7)
        A new banker must play its first contest and may pass from the
        second on.
  Between two bets the bank cannot be passed more than once round the
  table (as many times as there are seats).


7. Rule options (twelve settings)
---------------------------------

The rule tab of the settings dialog turns each of twelve rules on or off.
The name in brackets is the rule's key in the settings file dice.ini (1 on,
0 off).

[Special payouts]
  Triple ones win five times (P_CHECK3)
      Triple ones become the strongest hand (value 1) and win five times.
  Triple ones lose three times (P_CHECK4)
      Triple ones become the weakest hand (value 70) and lose three times.
  Triple fives win five times (P_CHECK5)
      Triple fives (value 5) become the strongest hand after triple ones
      that win five times, and win five times.
  * Triple ones that win five times go with neither of the other two.
    Triple ones that lose three times and triple fives that win five times
    may be chosen together.

[Do the players roll against the banker's point?]
  Against point 6 (P_CHECK1)
      The banker's point 6 does not decide the contest; the players roll.
  Against point 1 (P_CHECK2)
      The banker's point 1 does not decide the contest; the players roll.

[The banker may pass]
  At any time (P_CHECK6)
      The banker may pass the bank with Pass at any time before the bets.
  After playing once (P_CHECK7)
      The banker may pass the bank with Pass from its second contest on.
  * Only one of these two may be chosen.

[Pass the bank after the banker's hand] (the bank moves to the next seat
after the contest)
  1-2-3, triple ones that lose three times included (P_CHECK8)
      The banker rolled 1-2-3, or triple ones that lose three times.
  Out of the bowl (P_CHECK9)
  No hand (P_CHECK10)
  Point 1 (P_CHECK11)

[Other]
  Out of the bowl counts as no hand (P_CHECK12)
      Out of the bowl does not end the seat's throws: the seat rolls again
      up to the set number of throws, as for no hand. When the last throw
      is out of the bowl, the seat's hand is out of the bowl. (Without this
      option the throws end at once.)


8. The settings dialog
----------------------

Game -> Settings (Ctrl+S) opens it. The table can be used while it is open.
It has three tabs.

[Players]
  Choose the number of seats (2 to 6) and, for each seat,
    - the name
    - Computer (ticked, the computer plays the seat), and its character
    - the portrait's number (1 to 9; the portrait shows on the right)
  The nine portraits are shown in order of their numbers below.
  The seat numbers are those of the plan in "2. The table".
  An empty name becomes "○△□".

[Numbers]
  Starting score ....... the points each seat starts with (highest bet to
                         999999)
  Highest bet .......... the largest bet (lowest bet to 9999, at most the
                         starting score)
  Lowest bet ........... the smallest bet (0 to the highest bet)
  Turns of a game ...... the contests of one game (1 to 9999)
  Turns as banker ...... the contests a banker plays in a row (1 to 9)
  Throws ............... the throws of one seat in one contest (1 to 5;
                         usually 3)
  A value out of its range, or one that is no number, brings a warning
  marked "(T_T)". OK brings values into their ranges and puts the usual
  values for those that are no number (starting score 500, highest bet 50,
  lowest bet 5, turns of a game 30, turns as banker 3, throws 3).

[Rules]
  The twelve rules (see "7. Rule options"), and house rules by name that
  set several of them at once.

The buttons below
  Save     writes the settings shown into the settings file you choose
           (*.ini). To play with them at the next start too, save them as
           dice.ini in the folder the dialog opens first.
  Load     reads the settings file you choose into the dialog. To use it on
           the table, press OK after it.
  OK       puts the settings on the table and closes the dialog. Nothing is
           written to a file (only Save writes one).
  Cancel   closes the dialog.
  Help     opens this help.

During a game only the names and portraits can be changed (OK shows them on
the table at once). The other settings, Save and Load wait until the game is
quit or over.
The number of seats, the starting score, the bet limits and the turns of a
game are used from the next New game.


9. The dice tally
-----------------

Options -> Dice tally opens it. For each seat it counts how often each of
sixteen hands, from triple ones to 1-2-3, was the last hand of a contest, and
shows the sum under "Total". Triple ones that win five times or lose three
times count as triple ones, triple fives that win five times as triple
fives. A player who did not roll because the banker's hand decided counts in
no hand's row.

The table holds the counts of the moment it opened: as the game goes on,
close it and open it again. Clearing the tally sets the counts to 0; so does
New game.

Options -> Turn history (Ctrl+H) lists every turn of the game: the banker,
each seat's dice (in the order rolled), hand, bet, payment and score after
the turn, with a chart of the scores below. It grows with the game while
open. Copy puts it on the clipboard, and saving writes it as a CSV file in
UTF-8; the CSV's header row is in the language in force, its columns always
in the same order.
Options -> Results (Ctrl+R) shows the ranks of the moment, during a game too.


10. Sound effects and speed
---------------------------

Sound effects
  Options -> Sound effects -> On / Off switches them. A click on the speaker
  picture on the table opens a small "Sound effects" window whose tick box
  switches them too. Sounds play at a new game (a chime), at the bets (coins),
  at every throw (dice; their length follows the speed), when a contest is
  paid (the closing signal), when the bank is passed and when a game is quit.

Speed
  The pause while the dice roll. Options -> Speed -> Faster makes it
  shorter, Slower longer (1 to 17). A click on the speed picture on the table
  (a tortoise and a hare) opens a small "Speed" window whose Faster and Slower
  buttons change it too (1 to 19).
  The smaller the number, the faster; in the picture, the more bars grow from
  green to red, the faster. A change while the dice roll works at once.

Neither sound nor speed is saved. Each start begins with sound on and speed 7.


11. Menus and keys
------------------

@MENU@

Scores and the dice tally are never written to a file. Settings are written
only by the Save button of the settings dialog. Only the size of the table
and the language are recorded as soon as they are chosen, in your own
settings (~/.config/qubrin/qubrin.conf), and the next start opens with them.
A size too large for the screen opens as large as the screen allows. A name
too long for its seat ends in "..." and shows whole under the mouse.


12. Playing with the keys
-------------------------

A whole game can be played with the keys alone. The focus (an orange frame)
moves by itself to the command to press next (Bet, Roll, Next turn).

@KEYS@
"""

BANKER_ROWS = [
    ("Banker's hand", "Result"),
    ("Triple that wins five times", "banker wins, players pay 5 times"),
    ("Triple", "banker wins, players pay 3 times"),
    ("4-5-6", "banker wins, players pay 2 times"),
    ("Point 6", "banker wins, players pay 1 time"),
    ("Point 1", "banker loses, banker pays 1 time"),
    ("No hand (to the last), out of the bowl", "banker loses, banker pays 1 time"),
    ("1-2-3", "banker loses, banker pays 2 times"),
    ("Triple ones that lose three times", "banker loses, banker pays 3 times"),
]

# Each menu: its title and its rows (caption, key, what it does) or (caption, what it does).
MENU_ROWS = [
    ("Game", [("Settings", "Ctrl+S", "opens the settings dialog"),
              ("New game", "F2", "starts a new game"),
              ("Quit this game", "F9", "quits the game / closes a game that is over"),
              ("Load settings", "Ctrl+L", "reads the settings file again (after quitting)"),
              ("Exit", "Ctrl+X", "ends the program at once (nothing is saved)")]),
    ("Options", [("Dice tally", "opens the dice tally"),
                 ("Turn history", "opens the turns and the chart of scores (Ctrl+H)"),
                 ("Results", "opens the ranks and results (Ctrl+R)"),
                 ("Speed", "Faster / Slower"),
                 ("Sound effects", "On / Off")]),
    ("View", [("Zoom in", "Ctrl++", "the table and its windows one step larger"),
              ("Zoom out", "Ctrl+-", "one step smaller"),
              ("100 %", "Ctrl+0", "back to the first size"),
              ("125 % / 150 % / 200 %", "", "that size"),
              ("Fit to screen", "", "the largest size the screen holds")]),
    ("Language", [("日本語 / English", "the language of every window, at once")]),
    ("Help", [("Help", "opens this help"),
              ("Read me", "opens Readme.txt"),
              ("Odds and expectation", "the odds of the hands under the rules in force"),
              ("About Qubrin", "shows the version")]),
]

KEYS_ROWS = [
    ("Enter / Space", "gives the command that has the focus"),
    ("Tab / Shift+Tab", "moves between the commands and the bet scroll bars"),
    ("Arrow keys", "bet 1 more or less"),
    ("PageUp / PageDown", "bet 10 more or less (100 when the highest bet is 1000+)"),
    ("Home / End", "the lowest / the highest bet"),
    ("F2 / F9", "New game / Quit this game"),
    ("Ctrl++ / Ctrl+-", "zoom the table in / out (Ctrl+0 for 100 %)"),
]
