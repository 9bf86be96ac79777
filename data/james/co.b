 1: 2	WH	to whom did James write, "My brethren, count it all joy when ye ..."?	His brethren
 1:16	WH	to whom did James write, "Do not err, my beloved brethren ..."?	His beloved brethren
 2: 5	WH	to whom did James write, "Hearken, my beloved brethren ..."?	His beloved brethren
 2:14	WH	to whom did James write, "What doth it profit ..."?	His brethren
 3: 1	WH	to whom did James write, "My brethren, be not many masters ..."?	His brethren
 4: 4	WH	to whom did James write, "Ye adulterers and adulteresses ..."?	The adulterers and adulteresses
 4:11	WH	to whom did James write, "Speak not evil one of another ..."?	The brethren
 5: 1	WH	to whom did James write, "Go to now, ye rich men ..."?	The rich men
 5: 7	WH	to whom did James write, "Be patient therefore, brethren ..."?	The brethren
 5: 9	WH	to whom did James write, "Grudge not one against another ..."?	The brethren
 5:12	WH	to whom did James write, "But above all things ..."?	His brethren
