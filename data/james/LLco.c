 1:16	WH	to whom did James write, "Do not err, my beloved brethren ..."?	His beloved brethren
 1:19	WH	to whom did James write, "Wherefore, my beloved brethren ..."?	His beloved brethren
 2: 1	WH	to whom did James write, "My brethren, have not the faith of our ..."?	His brethren
 3:12	WH	to whom did James write, "Can the fig tree ..."?	His brethren
 5: 7	WH	to whom did James write, "Be patient therefore, brethren ..."?	The brethren
 5:10	WH	to whom did James write, "Take, my brethren, the prophets ..."?	His brethren
 5:19	WH	to whom did James write, "Brethren, if any of you do err from ..."?	The brethren
