// Qubrin's phone page: one seat of a room, over the room's WebSocket (net/PROTOCOL.md).
'use strict';

const TEXTS = {
  ja: {
    code: '部屋コード', name: '名前', join: '席に着く', banker: '親', turn: 'ターン', timer: '賭けの残り時間',
    min: '最小', max: '最大', last: '前回', ready: '準備完了', hand: '役', payment: '支払い', bankerHand: '親の役',
    openBets: 'ベント', pass: 'ｽﾙｰ', throw: '実 行', nextTurn: '次のﾀｰﾝ', guest: 'ゲスト',
    seconds: '{0} 秒', yourMove: 'あなたの番です', whoseMove: '{0} の番', betting: '賭けてください',
    waitingBets: 'ほかの子の準備を待っています', noGame: 'ホストがゲームを始めるのを待っています',
    gameOver: 'ゲーム終了', joining: '入っています…', rejoining: 'つなぎ直しています…', lost: '接続が切れました',
    points: '{0} 点', you: '（あなた）', triple: '{0}のゾロ目', point: '{0}の目', noHand: '役なし', shigoro: 'シゴロ',
    hifumi: 'ヒフミ', out: '場　外', bankerSeat: 'あなたが親です', rank: '{0}位 {1} {2}',
    closed: '部屋が閉じました（{0}）', error: '受け付けられませんでした（{0}）', badCode: '部屋コードは6文字です',
  },
  en: {
    code: 'Room code', name: 'Name', join: 'Take a seat', banker: 'Banker', turn: 'Turn', timer: 'Time for bets',
    min: 'Min', max: 'Max', last: 'Last bet', ready: 'Ready', hand: 'Hand', payment: 'Payment',
    bankerHand: "Banker's hand", openBets: 'Bet', pass: 'Pass', throw: 'Roll', nextTurn: 'Next turn', guest: 'Guest',
    seconds: '{0} s', yourMove: 'Your move', whoseMove: "{0}'s move", betting: 'Place your bet',
    waitingBets: 'Waiting for the other players', noGame: 'Waiting for the host to start a game',
    gameOver: 'Game over', joining: 'Joining…', rejoining: 'Connecting again…', lost: 'The connection was lost',
    points: '{0}', you: ' (you)', triple: 'Triple {0}s', point: 'Point {0}', noHand: 'No hand', shigoro: '4-5-6',
    hifumi: '1-2-3', out: 'Out of the bowl', bankerSeat: 'You are the banker', rank: '{0}. {1} {2}',
    closed: 'The room closed ({0})', error: 'Refused ({0})', badCode: 'A room code has six characters',
  },
};
const LANG = (navigator.language || 'en').toLowerCase().startsWith('ja') ? 'ja' : 'en';
const say = (key, ...args) => TEXTS[LANG][key].replace(/\{(\d)\}/g, (_, i) => String(args[Number(i)]));
const $ = (id) => document.getElementById(id);
const CODE_PATTERN = /^[34679ACDEFGHJKMNPQRTWXY]{6}$/;
const MAX_RETRIES = 30;

const room = {
  socket: null, code: '', name: '', seat: -1, token: '', rules: null, seats: [], state: null,
  scoresBefore: null, lastThrow: null, deadline: 0, retries: 0, closed: false, retryTimer: 0,
  contribution: freshContribution(),
};

// This phone's random share of the turn's throws (net/PROTOCOL.md, Fairness), new at every opening
// of the bets and sent with each bet and ready.
function freshContribution() {
  return Array.from(crypto.getRandomValues(new Uint8Array(16)), (b) => b.toString(16).padStart(2, '0')).join('');
}

// The seat's token, kept for the tab and beyond it, so that a phone that slept takes its seat back.
const keyOf = (code) => 'qubrin.seat.' + code;
function remember() {
  const kept = JSON.stringify({ token: room.token, name: room.name });
  sessionStorage.setItem(keyOf(room.code), kept);
  localStorage.setItem(keyOf(room.code), kept);
  localStorage.setItem('qubrin.name', room.name);
}
function recalled(code) {
  try {
    return JSON.parse(sessionStorage.getItem(keyOf(code)) || localStorage.getItem(keyOf(code)) || 'null');
  } catch (e) {
    return null;
  }
}

function send(type, fields) {
  if (room.socket && room.socket.readyState === WebSocket.OPEN)
    room.socket.send(JSON.stringify(Object.assign({ v: 1, type: type }, fields)));
}

function connect() {
  clearTimeout(room.retryTimer);
  if (room.closed || (room.socket && room.socket.readyState <= WebSocket.OPEN))
    return;
  const socket = new WebSocket(location.protocol.replace('http', 'ws') + '//' + location.host + '/');
  room.socket = socket;
  socket.onopen = () => {
    const join = { code: room.code, name: room.name, client: 'web' };
    if (room.token)
      join.token = room.token;
    send('join', join);
  };
  socket.onmessage = (event) => {
    let message = null;
    try {
      message = JSON.parse(event.data);
    } catch (e) {
      return;
    }
    if (message && message.v === 1 && typeof message.type === 'string')
      arrive(message);
  };
  socket.onclose = () => {
    if (room.socket !== socket || room.closed)
      return;
    room.socket = null;
    status(say('lost'));
    if (room.retries < MAX_RETRIES && document.visibilityState === 'visible')
      room.retryTimer = setTimeout(rejoin, Math.min(1000 * ++room.retries, 5000));
  };
}

function rejoin() {
  if (!room.code || room.closed)
    return;
  status(say('rejoining'));
  connect();
}

const STEPS = ['gameStarted', 'betsOpened', 'betsClosed', 'thrown', 'turnEnded', 'passed', 'interrupted'];

function arrive(m) {
  switch (m.type) {
  case 'welcome':
    room.seat = m.seat;
    room.token = m.token;
    room.rules = m.rules;
    room.seats = m.seats;
    room.retries = 0;
    remember();
    $('joinView').hidden = true;
    $('tableView').hidden = false;
    $('roomCode').textContent = room.code;
    status('');
    send('resync', {});
    break;
  case 'seats':
    room.seats = m.seats;
    break;
  case 'state':
    room.state = m;
    room.deadline = m.deadlineMs > 0 ? Date.now() + m.deadlineMs : 0;
    break;
  case 'bet':
    if (room.state)
      room.state.bets[m.seat] = m.bet;
    break;
  case 'ready':
    if (room.state)
      room.state.ready[m.seat] = 1;
    break;
  case 'error':
    status(say('error', m.code));
    if (m.refused === 'join' && room.seat < 0)
      forget();
    break;
  case 'roomClosed':
    room.closed = true;
    status(say('closed', m.reason));
    if (m.reason !== 'server_stopping')
      localStorage.removeItem(keyOf(room.code));
    break;
  }
  if (m.type === 'thrown') {
    room.scoresBefore = room.state ? room.state.scores.slice() : null;
    room.lastThrow = m;
  } else if (m.type === 'betsOpened' || m.type === 'gameStarted' || m.type === 'interrupted') {
    room.lastThrow = null;
  }
  if (m.type === 'betsOpened')
    room.contribution = freshContribution();
  // Every step is followed by the room's whole state, so the page never plays the rules itself.
  if (STEPS.includes(m.type))
    send('resync', {});
  show();
}

// A join refused with a kept token: the token is stale, join afresh.
function forget() {
  sessionStorage.removeItem(keyOf(room.code));
  localStorage.removeItem(keyOf(room.code));
  if (room.token) {
    room.token = '';
    send('join', { code: room.code, name: room.name, client: 'web' });
  } else {
    $('join').disabled = false;
  }
}

function status(text) { $('status').textContent = text; }

const option = (n) => room.rules.options[n - 1] === 1;

// The hand of three faces, as the table ranks it: the value (lower is stronger), the name and
// whether the thrower throws again.
function rankHand(faces) {
  const [a, b, c] = faces;
  if (faces.some((f) => f < 1 || f > 6))
    return { value: 51, name: say('out'), again: option(12) };
  if (a === b && b === c) {
    const value = a === 1 && option(3) ? 1 : a === 1 && option(4) ? 70 : a === 5 && option(5) ? 5 : 10 + a;
    return { value: value, name: say('triple', a), again: false };
  }
  const pointFace = a === b ? c : b === c ? a : a === c ? b : 0;
  if (pointFace)
    return { value: 40 - pointFace, name: say('point', pointFace), again: false };
  const sum = a + b + c;
  if (sum === 15)
    return { value: 20, name: say('shigoro'), again: false };
  if (sum === 6)
    return { value: 60, name: say('hifumi'), again: false };
  return { value: 50, name: say('noHand'), again: true };
}

function bankerDecides(value) {
  const low = 40 - (option(1) ? 6 : 5);
  const high = 40 - (option(2) ? 1 : 2);
  return value < low || value > high;
}

// Each seat's last throw of the turn, following the order the seats throw in: the banker first,
// then clockwise, each until it has a hand or has thrown NAGEKAI times; a banker's deciding hand
// ends the throws.
function throwsBySeat(faces, banker, seats) {
  const last = {};
  let next = 0;
  for (let n = 0, seat = banker; n < seats && next < faces.length; ++n, seat = (seat + 1) % seats) {
    let hand = null;
    for (let thrown = 0; thrown < room.rules.nagekai && next < faces.length; ++thrown) {
      hand = rankHand(faces[next]);
      last[seat] = { faces: faces[next++], hand: hand };
      if (!hand.again)
        break;
    }
    if (seat === banker && hand && bankerDecides(hand.value))
      break;
  }
  return last;
}

function nameOf(seat) { return room.seats[seat] ? room.seats[seat].name : String(seat + 1); }
function seatCount() { return room.rules ? room.rules.seats : 0; }

// The seat that gives the table's commands: the banker's player, else the host.
function commander(s) {
  const holds = (seat, holders) => room.seats[seat] && holders.includes(room.seats[seat].holder);
  if (holds(s.oyaSeat, ['host', 'remote']))
    return s.oyaSeat;
  return room.seats.findIndex((seat) => seat.holder === 'host');
}

function clampBet(value) { return Math.max(room.rules.betMin, Math.min(room.rules.betMax, value)); }

function setBet(value) {
  const s = room.state;
  if (!s || s.phase !== 'betsOpen' || s.ready[room.seat])
    return;
  s.bets[room.seat] = clampBet(value);
  send('bet', { seat: room.seat, bet: s.bets[room.seat], contribution: room.contribution });
  show();
}

function showDice(faces) {
  const box = $('dice');
  box.textContent = '';
  for (const face of faces || []) {
    const die = document.createElement('span');
    die.className = 'die' + (face === 1 || face === 4 ? ' red' : '') + (face < 1 || face > 6 ? ' out' : '');
    die.textContent = face >= 1 && face <= 6 ? String(face) : '×';
    box.appendChild(die);
  }
}

function showStandings(s) {
  const list = $('standings');
  list.textContent = '';
  const order = [];
  for (let seat = 0; seat < seatCount(); ++seat)
    if (s.scores[seat] !== null)
      order.push(seat);
  order.sort((a, b) => s.scores[b] - s.scores[a] || a - b);
  order.forEach((seat) => {
    const item = document.createElement('li');
    const rank = 1 + order.filter((other) => s.scores[other] > s.scores[seat]).length;
    item.textContent = say('rank', rank, nameOf(seat) + (seat === room.seat ? say('you') : ''), say('points', s.scores[seat]));
    list.appendChild(item);
  });
}

function show() {
  const s = room.state;
  if (!s || !room.rules)
    return;
  const me = room.seat;
  document.body.dataset.phase = s.phase;
  document.body.dataset.turn = String(s.turn);
  const myTurn = commander(s) === me;
  $('seatName').textContent = nameOf(me) + say('you');
  $('score').textContent = s.scores[me] === null ? '' : say('points', s.scores[me]);
  $('score').dataset.value = s.scores[me] === null ? '' : String(s.scores[me]);
  $('banker').textContent = s.phase === 'noGame' ? '' : nameOf(s.oyaSeat);
  $('turn').textContent = s.phase === 'noGame' ? '' : String(s.turn);

  const betting = s.phase === 'betsOpen' && me !== s.oyaSeat;
  $('betView').hidden = !betting;
  $('betValue').textContent = String(s.bets[me]);
  for (const id of ['betMinus10', 'betMinus1', 'betPlus1', 'betPlus10', 'betMin', 'betMax', 'betLast', 'ready'])
    $(id).disabled = !betting || s.ready[me] === 1;
  let move = '';
  if (s.phase === 'noGame')
    move = say('noGame');
  else if (s.phase === 'gameOver')
    move = say('gameOver');
  else if (betting)
    move = s.ready[me] === 1 ? say('waitingBets') : say('betting');
  else if (s.phase !== 'betsOpen' || me === s.oyaSeat)
    move = myTurn ? say('yourMove') : say('whoseMove', nameOf(commander(s)));
  if (me === s.oyaSeat && s.phase !== 'gameOver' && s.phase !== 'noGame')
    move = say('bankerSeat') + ' — ' + move;
  $('move').textContent = move;

  const thrown = room.lastThrow && (s.phase === 'turnSettled' || s.phase === 'gameOver');
  $('throwView').hidden = !thrown;
  if (thrown) {
    const bySeat = throwsBySeat(room.lastThrow.faces, s.oyaSeat, seatCount());
    const mine = bySeat[me];
    showDice(mine ? mine.faces : []);
    $('dice').hidden = !mine;
    $('hand').textContent = mine ? mine.hand.name : '—';
    const paid = room.scoresBefore && room.scoresBefore[me] !== null ? room.lastThrow.scores[me] - room.scoresBefore[me] : 0;
    $('payment').textContent = (paid > 0 ? '+' : '') + String(paid);
    $('bankerHand').textContent = bySeat[s.oyaSeat] ? bySeat[s.oyaSeat].hand.name : '—';
  }

  const commands = { cmdOpenBets: s.phase === 'turnOpen', cmdThrow: s.phase === 'betsOpen' || s.phase === 'betsClosed',
    cmdNextTurn: s.phase === 'turnSettled',
    cmdPass: s.phase === 'turnOpen' && (option(6) || (option(7) && s.oyaTurn > 1)) && s.passCount < seatCount() };
  $('commands').hidden = !myTurn || s.phase === 'noGame' || s.phase === 'gameOver';
  for (const id in commands)
    $(id).hidden = !commands[id];

  $('standings').hidden = s.phase !== 'gameOver';
  if (s.phase === 'gameOver')
    showStandings(s);
  showTimer();
}

function showTimer() {
  const left = room.deadline ? Math.max(0, Math.ceil((room.deadline - Date.now()) / 1000)) : 0;
  $('timer').textContent = say('seconds', left);
}

function start() {
  for (const element of document.querySelectorAll('[data-text]'))
    element.textContent = say(element.dataset.text);
  document.documentElement.lang = LANG;
  const fromPath = location.pathname.slice(1).toUpperCase();
  const fromQuery = (new URLSearchParams(location.search).get('room') || '').toUpperCase();
  const code = CODE_PATTERN.test(fromPath) ? fromPath : CODE_PATTERN.test(fromQuery) ? fromQuery : '';
  $('code').value = code;
  $('name').value = localStorage.getItem('qubrin.name') || say('guest');
  $('join').addEventListener('click', () => {
    const typed = $('code').value.trim().toUpperCase();
    if (!CODE_PATTERN.test(typed)) {
      status(say('badCode'));
      return;
    }
    room.code = typed;
    room.name = $('name').value.trim() || say('guest');
    const kept = recalled(typed);
    room.token = kept ? kept.token : '';
    $('join').disabled = true;
    status(say('joining'));
    connect();
  });
  const steps = { betMinus10: -10, betMinus1: -1, betPlus1: 1, betPlus10: 10 };
  for (const id in steps)
    $(id).addEventListener('click', () => setBet(room.state.bets[room.seat] + steps[id]));
  $('betMin').addEventListener('click', () => setBet(room.rules.betMin));
  $('betMax').addEventListener('click', () => setBet(room.rules.betMax));
  $('betLast').addEventListener('click', () => setBet(room.state.lastBets[room.seat] || room.rules.betMin));
  $('ready').addEventListener('click', () => {
    send('ready', { seat: room.seat, contribution: room.contribution });
  });
  const commands = { cmdOpenBets: 'openBets', cmdPass: 'pass', cmdThrow: 'throw', cmdNextTurn: 'nextTurn' };
  for (const id in commands)
    $(id).addEventListener('click', () => send('command', { command: commands[id] }));
  // A phone whose screen went off has lost its socket: it takes its seat back on waking.
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible' && room.seat >= 0) {
      room.retries = 0;
      rejoin();
    }
  });
  setInterval(showTimer, 500);
  // A page opened again in the same tab takes the seat it held.
  const kept = code ? recalled(code) : null;
  if (kept && sessionStorage.getItem(keyOf(code))) {
    $('name').value = kept.name;
    $('join').click();
  }
}

document.addEventListener('DOMContentLoaded', start);
